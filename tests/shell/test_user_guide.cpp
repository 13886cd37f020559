// Where a program finds the user guide, the pages the build puts beside it, and what Debian's own
// xdg-open really opens of them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shell/language_texts.h"
#include "shell/web_addresses.h"

namespace {

const QString kBuiltProgram = QStringLiteral(DDSGEN_BUILT_PROGRAM_FOLDER);
// Each language code and the language its page declares.
const std::pair<int, const char*> kLanguages[] = {
    {dds::kEnglishCode, "en"}, {dds::kFrenchCode, "fr"}, {dds::kGermanCode, "de"}};

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(UserGuide, AnInstalledProgramFindsItInItsDataFolderUnlessItLiesBesideIt)
{
    QTemporaryDir root;
    const QString program = root.path() + QStringLiteral("/bin/");
    const QString page = QString::fromLatin1(dds::kUserGuideFolder) + dds::UserGuideFileName(dds::kGermanCode);
    for (const QString& folder : {root.path() + QStringLiteral("/share/ddsgen/"), program}) {
        ASSERT_TRUE(QDir().mkpath(folder + QString::fromLatin1(dds::kUserGuideFolder)));
        ASSERT_TRUE(QFile(folder + page).open(QIODevice::WriteOnly));
        EXPECT_EQ(dds::UserGuideUrl(program, dds::kGermanCode), QUrl::fromLocalFile(folder + page));
    }
}

TEST(UserGuide, BuildPutsAPagePerLanguageBesideTheProgram)
{
    const QString french = ReadText(dds::UserGuideUrl(kBuiltProgram, dds::kFrenchCode).toLocalFile());
    for (const auto& [code, language] : kLanguages) {
        const QString page = ReadText(dds::UserGuideUrl(kBuiltProgram, code).toLocalFile());
        EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"%1\">").arg(language))) << language;
        // The French page's headings and list items, and a link to every language's page.
        for (const char* element : {"<h2>", "<h3>", "<li>", "<p>"})
            EXPECT_EQ(page.count(QString::fromLatin1(element)), french.count(QString::fromLatin1(element))) << language;
        for (const auto& [other, unused] : kLanguages)
            EXPECT_TRUE(page.contains(QStringLiteral("href=\"%1\"").arg(dds::UserGuideFileName(other)))) << language;
    }
}

TEST(UserGuide, DebiansXdgOpenOpensThePageOfEachLanguage)
{
    // Under Wine a Windows build sees the Linux files too; xdg-open is no Windows program's opener.
    if (QSysInfo::productType() == QStringLiteral("windows") || !QFile::exists(QStringLiteral("/usr/bin/xdg-open")))
        GTEST_SKIP() << "needs Debian's xdg-open (xdg-utils) on Linux";
    for (const auto& [code, language] : kLanguages) {
        QProcess opener;
        opener.start(QStringLiteral(DDSGEN_TEST_FOLDER "xdg_open_record.sh"),
                     {dds::UserGuideUrl(kBuiltProgram, code).toString()});
        ASSERT_TRUE(opener.waitForFinished(30000) && opener.exitCode() == 0)
            << opener.readAllStandardError().toStdString();
        const QString given = QString::fromLocal8Bit(opener.readAllStandardOutput()).trimmed();
        EXPECT_TRUE(ReadText(given).contains(QStringLiteral("<html lang=\"%1\">").arg(language)))
            << given.toStdString();
    }
}

} // namespace
