#pragma once

#include <QString>

namespace sound {

// The name, without folder and extension, under which a dictionary keeps the sound of a test
// word. The word's Windows-1250 bytes are taken one by one: a letter A–Z or a–z stays as it
// is, every other byte becomes "#" and its value as two upper-case hexadecimal digits
// ("ice cream" → "ice#20cream", "č" → "#E8"). The name is cut to its first 120 characters,
// even inside a code, because the sound folders of existing dictionaries were named that way.
//
// Characters that Windows-1250 cannot hold all become "?" and so "#3F": such words share
// names with each other. The program that made the existing sound folders kept its words in
// Windows-1250 and could not hold them at all, so no existing file is named after them.
QString soundFileName(const QString& key);

} // namespace sound
