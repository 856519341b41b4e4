#include "entry/hotkeys.h"

namespace entry {
namespace {

using dictionary::HotKeyRecord;
using dictionary::InsertMode;

void removeFirst(QString& text, const QString& removal) {
    if (removal.isEmpty())
        return;
    const qsizetype at = text.indexOf(removal, 0, Qt::CaseSensitive);
    if (at >= 0)
        text.remove(at, removal.size());
}

void insert(QString& text, const QString& insertion, InsertMode mode) {
    if (insertion.isEmpty())
        return;
    switch (mode) {
    case InsertMode::Replace:
        text = insertion;
        return;
    case InsertMode::After:
        text += insertion;
        return;
    case InsertMode::Before:
        text.prepend(insertion);
        return;
    }
}

} // namespace

EntryTexts applyHotKey(const HotKeyRecord& key, EntryTexts texts, bool singleLineDescription) {
    // The order in which the files' users have always seen the removals happen.
    const std::pair<QString EntryTexts::*, const QString*> removals[] = {
        {&EntryTexts::czech, &key.deleteCz[0]},
        {&EntryTexts::other, &key.deleteOther[0]},
        {&EntryTexts::czech, &key.deleteCz[1]},
        {&EntryTexts::other, &key.deleteOther[1]},
        {&EntryTexts::description, &key.deleteIntroduce[0]},
        {&EntryTexts::description, &key.deleteIntroduce[1]},
        {&EntryTexts::czech, &key.deleteCz[2]},
        {&EntryTexts::other, &key.deleteOther[2]},
        {&EntryTexts::description, &key.deleteIntroduce[2]},
    };
    for (const auto& [field, removal] : removals) {
        if (field != &EntryTexts::description || singleLineDescription)
            removeFirst(texts.*field, *removal);
    }
    if (singleLineDescription)
        insert(texts.description, key.introduce, key.introduceMode);
    insert(texts.czech, key.cz, key.czMode);
    insert(texts.other, key.other, key.otherMode);
    return texts;
}

} // namespace entry
