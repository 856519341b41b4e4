#include "entry/layoutswitching.h"
#include "scratchfolder.h"
#include "scriptedkeyboardlayouts.h"

namespace {

TEST(LayoutHandles, CarryTheLanguageAndTellItsLayoutsApart) {
    const std::tuple<core::KeyboardLayout, quint32, const char*> cases[] = {
        {{u"us"_s, {}, u"English (US)"_s}, 0x04090409, "Angličtina (USA)"},
        {{u"cz"_s, {}, u"Czech"_s}, 0x04050405, "Čeština"},
        {{u"de"_s, {}, u"German"_s}, 0x04070407, "Němčina"},
        {{u"cz"_s, u"qwerty"_s, u"Czech (QWERTY)"_s}, 0xA5820405, "Čeština – Czech (QWERTY)"},
        {{u"epo"_s, {}, u"Esperanto"_s}, 0xAEBD0000, "Esperanto"}};
    for (const auto& [layout, handle, name] : cases) {
        const entry::LayoutItem item = entry::layoutItem(layout);
        EXPECT_EQ(quint32(item.handle), handle) << name;
        EXPECT_EQ(item.name, QString::fromUtf8(name));
    }
}

// klayout.ini as the start reads it, the layouts the three roles then switch to, and the file
// saved from what was read.
TEST(LayoutSwitching, KlayoutIniChoosesTheLayoutsOfTheRoles) {
    const std::tuple<const char*, const char*, const char*, QStringList, const char*> cases[] = {
        {"missing", nullptr, "Chyba čtení souboru ", {}, "off\r\n1033\r\n1033\r\n1033\r\n"},
        {"on in capitals",
         " ON \r\n67699721\r\n67437573\r\n67568647\r\n",
         "Automatické přepínání klávesnice aktivováno",
         {u"us"_s, u"cz"_s, u"de"_s},
         "on\r\n67699721\r\n67437573\r\n67568647\r\n"},
        {"unknown handles, short",
         "on\r\n12345\r\n67437573\r\n",
         "Automatické přepínání klávesnice aktivováno",
         {u"cz"_s},
         "on\r\n1033\r\n67437573\r\n1033\r\n"},
        {"off",
         "off\r\n67699721\r\n67437573\r\n67568647\r\n",
         "Automatické přepínání klávesnice vypnuto",
         {},
         "off\r\n67699721\r\n67437573\r\n67568647\r\n"}};
    for (const auto& [name, file, status, activated, saved] : cases) {
        SCOPED_TRACE(name);
        ScratchFolder folder;
        if (file)
            folder.write(u"klayout.ini"_s, file);
        ScriptedKeyboardLayouts system;
        system.layouts = {{u"us"_s, {}, {}}, {u"cz"_s, {}, {}}, {u"de"_s, {}, {}}};
        entry::LayoutSwitching switching(system);
        switching.fillLayouts();
        EXPECT_EQ(switching.loadSettings(folder.path(u"klayout.ini"_s)),
                  QString::fromUtf8(status) + (file ? QString() : folder.path(u"klayout.ini"_s)));
        for (const entry::LayoutRole role : entry::kLayoutRoles)
            switching.activate(role);
        EXPECT_EQ(system.activated, activated);
        switching.saveSettings(folder.path(u"saved.ini"_s));
        EXPECT_EQ(folder.read(u"saved.ini"_s), saved);

        system.layouts.clear(); // a system without layouts turns switching off
        switching.fillLayouts();
        EXPECT_FALSE(switching.automatic());
    }
}

} // namespace
