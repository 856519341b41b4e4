#include "widgets/xkbkeyboardlayouts.h"

#include <QGuiApplication>
#include <QStringList>
#include <qguiapplication_platform.h>

#include <memory>
#include <utility>

// Xlib's macros (None, Bool, Status, ...) would clash with Qt's names: Xlib comes last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBstr.h>

namespace widgets {
namespace {

using namespace Qt::StringLiterals;

Display* x11Display() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

QString atomName(Display* display, Atom atom) {
    if (atom == 0)
        return {};
    char* name = XGetAtomName(display, atom);
    const QString text = QString::fromUtf8(name);
    XFree(name);
    return text;
}

// Symbols files of a keymap that add keys or options rather than a group's layout.
bool isLayoutFile(const QString& file) {
    static const QStringList kNotLayouts = {
        u"pc"_s,      u"inet"_s,    u"group"_s,    u"compose"_s,   u"level3"_s,    u"level5"_s,
        u"ctrl"_s,    u"altwin"_s,  u"capslock"_s, u"caps"_s,      u"terminate"_s, u"keypad"_s,
        u"kpdl"_s,    u"nbsp"_s,    u"eurosign"_s, u"rupeesign"_s, u"shift"_s,     u"srvr_ctrl"_s,
        u"mod_led"_s, u"grp_led"_s, u"numpad"_s,   u"typo"_s,      u"empty"_s};
    return !file.isEmpty() && !kNotLayouts.contains(file);
}

// Fills in the layout and variant of each group from a keymap's symbols name such as
// "pc+us+cz(qwerty):2+de:3+inet(evdev)": a layout without a group number is the first group's.
void readSymbols(const QString& symbols, std::vector<core::KeyboardLayout>& groups) {
    bool firstGroupSeen = false;
    for (const QString& part : symbols.split(u'+')) {
        const QStringList fileAndGroup = part.split(u':');
        const int group = fileAndGroup.size() > 1 ? fileAndGroup[1].toInt() - 1 : 0;
        QString file = fileAndGroup[0].section(u'/', -1); // "sun_vndr/us" names "us"
        QString variant;
        if (const qsizetype open = file.indexOf(u'('); open >= 0) {
            variant = file.mid(open + 1).chopped(file.endsWith(u')') ? 1 : 0);
            file.truncate(open);
        }
        if (!isLayoutFile(file) || group < 0 || std::size_t(group) >= groups.size() ||
            (group == 0 && std::exchange(firstGroupSeen, true)))
            continue;
        groups[std::size_t(group)].layout = file;
        groups[std::size_t(group)].variant = variant;
    }
}

} // namespace

std::vector<core::KeyboardLayout> XkbKeyboardLayouts::installed() {
    Display* display = x11Display();
    if (!display)
        return {};
    const std::unique_ptr<XkbDescRec, void (*)(XkbDescPtr)> keyboard(
        XkbAllocKeyboard(), [](XkbDescPtr described) { XkbFreeKeyboard(described, 0, True); });
    if (!keyboard || XkbGetControls(display, XkbGroupsWrapMask, keyboard.get()) != Success ||
        XkbGetNames(display, XkbSymbolsNameMask | XkbGroupNamesMask, keyboard.get()) != Success)
        return {};
    std::vector<core::KeyboardLayout> groups(keyboard->ctrls->num_groups);
    for (std::size_t group = 0; group < groups.size() && group < XkbNumKbdGroups; ++group)
        groups[group].name = atomName(display, keyboard->names->groups[group]);
    readSymbols(atomName(display, keyboard->names->symbols), groups);
    return groups;
}

void XkbKeyboardLayouts::activate(int position) {
    if (Display* display = x11Display()) {
        XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned int>(position));
        // Until the server has done it: the next key, or another program asking, finds the
        // new group.
        XSync(display, False);
    }
}

} // namespace widgets
