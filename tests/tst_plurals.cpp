#include "core/bytes.h"
#include "core/plural.h"
#include "helpers/testenv.h"
#include "library/categories.h"
#include "platform/language.h"
#include "ui/categorycombo.h"
#include "wad/hpk.h"
#include "wad/layout.h"
#include "wad/wad.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace velmira;
using namespace velmira::test;

namespace {

const QStringList kEnglishSystem = {QStringLiteral("en-US")};

// Russian and Polish give a count one of three forms: 1 and 21 differ in Polish, not in
// Russian; 2, 22 and 5, 25 show that the form follows the last digits.
struct CountCase {
    const char* language;
    const char* context;
    const char* source;
    int count;
    const char* expected;
};

class CountedTexts : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountedTexts, TakeTheFormTheLanguageGivesTheCount) {
    const CountCase& c = GetParam();
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.choose(QString::fromLatin1(c.language));
    EXPECT_EQ(translatedCount(c.context, c.source, c.count), QString::fromUtf8(c.expected));
}

constexpr const char* kWad = "velmira::wad::Wad";
constexpr const char* kLumps = "the file holds %n lumps, not one";
constexpr const char* kHpk = "velmira::wad::Hpk";
constexpr const char* kEntries = "the cache's directory counts %n entries";
constexpr const char* kQlumpy = "qlumpy";
constexpr const char* kNamed = "%1: the script names %n lumps; a spray holds one";
constexpr const char* kPreview = "velmira::Preview";
constexpr const char* kColours = "%n colours";

INSTANTIATE_TEST_SUITE_P(
    Russian, CountedTexts,
    ::testing::Values(CountCase{"ru", kWad, kLumps, 2, "в файле 2 лумпа вместо одного"},
                      CountCase{"ru", kWad, kLumps, 5, "в файле 5 лумпов вместо одного"},
                      CountCase{"ru", kWad, kLumps, 21, "в файле 21 лумп вместо одного"},
                      CountCase{"ru", kWad, kLumps, 22, "в файле 22 лумпа вместо одного"},
                      CountCase{"ru", kWad, kLumps, 25, "в файле 25 лумпов вместо одного"},
                      CountCase{"ru", kHpk, kEntries, 1, "в каталоге кэша 1 запись"},
                      CountCase{"ru", kHpk, kEntries, 2, "в каталоге кэша 2 записи"},
                      CountCase{"ru", kHpk, kEntries, 5, "в каталоге кэша 5 записей"},
                      CountCase{"ru", kHpk, kEntries, 21, "в каталоге кэша 21 запись"},
                      CountCase{"ru", kHpk, kEntries, 22, "в каталоге кэша 22 записи"},
                      CountCase{"ru", kHpk, kEntries, 25, "в каталоге кэша 25 записей"},
                      CountCase{"ru", kQlumpy, kNamed, 2,
                                "%1: в скрипте 2 лумпа, а в спрее может быть только один"},
                      CountCase{"ru", kQlumpy, kNamed, 21,
                                "%1: в скрипте 21 лумп, а в спрее может быть только один"},
                      CountCase{"ru", kQlumpy, kNamed, 25,
                                "%1: в скрипте 25 лумпов, а в спрее может быть только один"},
                      CountCase{"ru", kPreview, kColours, 1, "1 цвет"},
                      CountCase{"ru", kPreview, kColours, 22, "22 цвета"},
                      CountCase{"ru", kPreview, kColours, 25, "25 цветов"}));

INSTANTIATE_TEST_SUITE_P(
    Polish, CountedTexts,
    ::testing::Values(CountCase{"pl", kWad, kLumps, 2, "plik zawiera 2 lumpy zamiast jednego"},
                      CountCase{"pl", kWad, kLumps, 5, "plik zawiera 5 lumpów zamiast jednego"},
                      CountCase{"pl", kWad, kLumps, 21, "plik zawiera 21 lumpów zamiast jednego"},
                      CountCase{"pl", kWad, kLumps, 22, "plik zawiera 22 lumpy zamiast jednego"},
                      CountCase{"pl", kWad, kLumps, 25, "plik zawiera 25 lumpów zamiast jednego"},
                      CountCase{"pl", kHpk, kEntries, 1, "katalog cache zawiera 1 wpis"},
                      CountCase{"pl", kHpk, kEntries, 2, "katalog cache zawiera 2 wpisy"},
                      CountCase{"pl", kHpk, kEntries, 5, "katalog cache zawiera 5 wpisów"},
                      CountCase{"pl", kHpk, kEntries, 21, "katalog cache zawiera 21 wpisów"},
                      CountCase{"pl", kHpk, kEntries, 22, "katalog cache zawiera 22 wpisy"},
                      CountCase{"pl", kHpk, kEntries, 25, "katalog cache zawiera 25 wpisów"},
                      CountCase{"pl", kQlumpy, kNamed, 2,
                                "%1: skrypt wymienia 2 lumpy; spray mieści tylko jeden"},
                      CountCase{"pl", kQlumpy, kNamed, 21,
                                "%1: skrypt wymienia 21 lumpów; spray mieści tylko jeden"},
                      CountCase{"pl", kQlumpy, kNamed, 22,
                                "%1: skrypt wymienia 22 lumpy; spray mieści tylko jeden"},
                      CountCase{"pl", kPreview, kColours, 1, "1 kolor"},
                      CountCase{"pl", kPreview, kColours, 21, "21 kolorów"},
                      CountCase{"pl", kPreview, kColours, 22, "22 kolory"}));

// The readers say the count they found in the form it takes, even one no int holds.
struct ReaderCase {
    const char* language;
    qint64 count;
    const char* expected;
};

class LumpCountMessage : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(LumpCountMessage, NamesTheCountInItsForm) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.choose(QString::fromLatin1(GetParam().language));
    QByteArray bytes(2048, '\0');
    bytes.replace(0, 4, "WAD3");
    QByteArray count;
    appendU32(count, static_cast<quint32>(GetParam().count));
    bytes.replace(wad::WadLayout::LumpCountOffset, 4, count);
    const auto checked = wad::checkSprayFile(bytes);
    ASSERT_FALSE(checked);
    EXPECT_EQ(checked.error(), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Readers, LumpCountMessage,
    ::testing::Values(ReaderCase{"ru", 22, "в файле 22 лумпа вместо одного"},
                      ReaderCase{"pl", 25, "plik zawiera 25 lumpów zamiast jednego"},
                      ReaderCase{"ru", 4000000021, "в файле 4000000021 лумп вместо одного"},
                      ReaderCase{"pl", 4000000022,
                                 "plik zawiera 4000000022 lumpy zamiast jednego"}));

TEST(CacheCountMessage, NamesTheEntriesInTheirForm) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    language.choose(QStringLiteral("ru"));
    using namespace wad::HpkLayout;
    QByteArray bytes("HPAK");
    appendU32(bytes, Version);
    appendU32(bytes, static_cast<quint32>(HeaderSize));
    appendU32(bytes, 40022);
    const auto cache = wad::readSprayCache(bytes);
    ASSERT_FALSE(cache);
    EXPECT_EQ(cache.error(), QStringLiteral("в каталоге кэша 40022 записи"));
}

// "<Favorites>" reads in the player's language; the name stored for it stays the same.
TEST(FavoritesCategory, IsShownInThePlayersLanguageAndStoredAsItIs) {
    TestEnv env;
    LanguageSwitch language(env.settings, kEnglishSystem, {});
    CategoryCombo categories;
    categories.addPinned(kFavorites);
    categories.addSorted(QStringLiteral("Clan"));
    categories.select(0);
    EXPECT_EQ(categories.itemText(0), kFavorites);

    language.choose(QStringLiteral("de"));
    EXPECT_EQ(categories.itemText(0), QStringLiteral("<Favoriten>")) << "retranslated";
    EXPECT_EQ(categories.currentText(), QStringLiteral("<Favoriten>"));
    EXPECT_EQ(categories.text(), kFavorites);
    EXPECT_EQ(shownCategoryName(QStringLiteral("Clan")), QStringLiteral("Clan"));

    categories.select(1);
    EXPECT_EQ(categories.text(), QStringLiteral("Clan"));
    categories.setEditText(QStringLiteral("Typed"));
    EXPECT_EQ(categories.text(), QStringLiteral("Typed"));
}

}  // namespace
