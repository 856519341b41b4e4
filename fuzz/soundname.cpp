// The name of a test word's sound file: only letters and upper-case codes, never more than 120
// characters, whatever the word.
#include "fuzzinput.h"

#include "sound/soundfilename.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString name = sound::soundFileName(FuzzInput(data, size).utf8());
    require(name.size() <= 120);
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        require((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') ||
                u == u'#');
    }
    return 0;
}
