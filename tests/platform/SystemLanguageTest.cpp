#include "platform/SystemLanguage.h"

#include <gtest/gtest.h>

#include "ScopedVariable.h"

namespace keyloom {
namespace {

using test::ScopedVariable;

TEST(SystemLanguageTest, LocaleNamesMapToWindowsLanguageIds) {
    const struct {
        const char* locale;
        uint16_t languageId;
    } cases[] = {
        {"zh_CN.UTF-8", 0x0804}, {"zh_SG", 0x1004},      {"zh_TW.Big5", 0x0404},  {"zh_HK", 0x0C04},
        {"zh_MO", 0x1404},       {"en_US.utf8", 0x0409}, {"en_GB", 0x0809},       {"en_AU", 0x0C09},
        {"en_CA", 0x1009},       {"en_NZ", 0x1409},      {"en_IE", 0x1809},       {"en_ZA", 0x1C09},
        {"en_JM", 0x2009},       {"en_BZ", 0x2809},      {"en_TT", 0x2C09},       {"de_DE", 0x0407},
        {"fr_FR", 0x040C},       {"es_ES", 0x0C0A},      {"it_IT", 0x0410},       {"ja_JP", 0x0411},
        {"ko_KR", 0x0412},       {"ru_RU", 0x0419},      {"pt_BR", 0x0416},       {"nl_NL", 0x0413},
        {"pl_PL", 0x0415},       {"de_AT@euro", 0x0C07}, {"sr_RS@latin", 0x0409},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageIdOfLocaleName(c.locale), c.languageId) << c.locale;
    }
}

TEST(SystemLanguageTest, UnlistedTerritoryGivesThePrimaryLanguage) {
    EXPECT_EQ(LanguageIdOfLocaleName("de"), 0x0407);
    EXPECT_EQ(LanguageIdOfLocaleName("de_LI.UTF-8"), 0x0407);
    EXPECT_EQ(LanguageIdOfLocaleName("zh"), 0x0804);
    EXPECT_EQ(LanguageIdOfLocaleName("zh.GB18030"), 0x0804);
    EXPECT_EQ(LanguageIdOfLocaleName("en_XX"), 0x0409);
    EXPECT_EQ(LanguageIdOfLocaleName("fr_SN"), 0x040C);
}

TEST(SystemLanguageTest, CaseAndSeparatorDoNotMatter) {
    EXPECT_EQ(LanguageIdOfLocaleName("ZH_tw"), 0x0404);
    EXPECT_EQ(LanguageIdOfLocaleName("en-GB"), 0x0809);
}

TEST(SystemLanguageTest, NeutralOrUnknownLocalesAreEnglish) {
    for (const char* locale : {"C", "POSIX", "C.UTF-8", "", "_", ".UTF-8", "@", "xx_YY", "e"}) {
        EXPECT_EQ(LanguageIdOfLocaleName(locale), 0x0409) << '"' << locale << '"';
    }
}

TEST(SystemLanguageTest, FirstNonEmptyVariableDecides) {
    ScopedVariable all("LC_ALL", "zh_TW.UTF-8");
    ScopedVariable messages("LC_MESSAGES", "de_DE.UTF-8");
    ScopedVariable lang("LANG", "zh_HK.UTF-8");
    EXPECT_EQ(SystemDefaultLanguageId(), 0x0404);
    {
        ScopedVariable emptyAll("LC_ALL", "");
        EXPECT_EQ(SystemDefaultLanguageId(), 0x0407);
        ScopedVariable noMessages("LC_MESSAGES", std::nullopt);
        EXPECT_EQ(SystemDefaultLanguageId(), 0x0C04);
        ScopedVariable noLang("LANG", std::nullopt);
        EXPECT_EQ(SystemDefaultLanguageId(), 0x0409);
    }
    ScopedVariable posix("LC_ALL", "POSIX");
    EXPECT_EQ(SystemDefaultLanguageId(), 0x0409);
}

}  // namespace
}  // namespace keyloom
