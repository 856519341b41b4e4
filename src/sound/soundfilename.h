#pragma once

#include "core/codepage.h"

#include <QString>

namespace sound {

// The name, without folder and extension, under which a dictionary keeps the sound of a test
// word. The word's Windows-1250 bytes are taken one by one: a letter A–Z or a–z stays as it
// is, every other byte becomes "#" and its value as two upper-case hexadecimal digits
// ("ice cream" → "ice#20cream", "č" → "#E8"). The name is cut to its first 120 characters,
// even inside a code, because the sound folders of existing dictionaries were named that way.
//
// A dictionary whose foreign font has another character set takes the bytes of that code
// page instead (Cyrillic "да" is "#E4#E0" in Windows-1251), as its sound files were named where
// it was made. Characters the code page cannot hold all become "?" and so "#3F".
QString soundFileName(const QString& key,
                      const core::CodePage& codePage = core::CodePage::windows1250());

} // namespace sound
