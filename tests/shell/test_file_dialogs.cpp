#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "event_waits.h"
#include "shell/qt_translations.h"
#include "shell/settings_file.h"
#include "shell/unit1.h"
#include "shell/wave_file_dialogs.h"
#include "test_services.h"
#include "window_controls.h"

// The save dialog is Qt's own here, driven through its real buttons, name box, folder list and
// side bar.
namespace {

// Qt's own dialog keeps its history in the user's "QtProject" settings when it closes; these tests
// keep it in a temporary folder instead.
void KeepDialogHistoryInATemporaryFolder()
{
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

class SaveDialogFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        KeepDialogHistoryInATemporaryFolder();
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("a/b")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("c")));
        dialog = dds::MakeSaveDialog(nullptr, dds::DialogLook::QtOwn, root.path(), QStringLiteral("Onde_1"),
                                     [this](const QString& folder) { heard << folder; });
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QString path(const char* relative) const { return QDir::cleanPath(root.filePath(QString::fromLatin1(relative))); }
    QToolButton* button(const char* name) const { return dialog->findChild<QToolButton*>(QString::fromLatin1(name)); }
    void typeIntoNameBox(const QString& text)
    {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The folder list's entry for `folder`, once the dialog has read it from disk.
    QModelIndex listEntry(QListView* list, const QString& folder)
    {
        const auto* model = dialog->findChild<QFileSystemModel*>();
        const auto listed = [&] {
            return model->index(folder).isValid() && !list->visualRect(model->index(folder)).isEmpty();
        };
        EXPECT_TRUE(dds::test::WaitFor("the folder list to show the entry", listed)) << folder.toStdString();
        return listed() ? model->index(folder) : QModelIndex();
    }

    QTemporaryDir root;
    std::unique_ptr<QFileDialog> dialog;
    QStringList heard;
};

TEST_F(SaveDialogFolders, EveryWayTheFolderChangesIsHeardOnce)
{
    typeIntoNameBox(path("c")); // a typed path
    EXPECT_EQ(heard, QStringList{path("c")});
    button("backButton")->click();
    button("forwardButton")->click();
    button("toParentButton")->click();
    EXPECT_EQ(heard, (QStringList{path("c"), path("."), path("c"), path(".")}));

    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    const QModelIndex a = listEntry(list, path("a"));
    ASSERT_TRUE(a.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(a).center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(a).center()); // a double click
    EXPECT_EQ(heard.last(), path("a"));

    dialog->setSidebarUrls({QUrl::fromLocalFile(path("a/b"))});
    auto* sidebar = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
    const QModelIndex place = sidebar->model()->index(0, 0);
    QTest::mouseClick(sidebar->viewport(), Qt::LeftButton, {}, sidebar->visualRect(place).center()); // the side bar
    EXPECT_EQ(heard.last(), path("a/b"));
    EXPECT_EQ(heard.size(), 6);
}

TEST_F(SaveDialogFolders, SettingTheSameFolderAgainTellsNothing)
{
    dialog->setDirectory(root.path());
    button("toParentButton")->click();
    button("backButton")->click();
    EXPECT_EQ(heard, (QStringList{QDir::cleanPath(root.path() + QStringLiteral("/..")), path(".")}));
}

TEST_F(SaveDialogFolders, AFileTypedWithAnotherFolderTellsOfThatFolder)
{
    typeIntoNameBox(path("a/b") + QStringLiteral("/Onde_2.xls"));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(heard, QStringList{path("a/b")});
}

// Line 11 of the settings file in `folder`, as it is on disk.
QString WaveFileFolderLine(const QString& folder)
{
    QFile file(QDir(folder).filePath(QString::fromLatin1(dds::kSettingsFileName)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(dds::ParseSettingsLines(file.readAll())[dds::kWaveFileFolderLine - 1]);
}

// The window's save button with the real dialog: the folder the operator went to is remembered in
// the settings file while the dialog is still up, and the next dialog opens there.
TEST(SaveButtonWithTheRealDialog, RemembersTheFolderTheOperatorWentToEvenWhenCancelled)
{
    KeepDialogHistoryInATemporaryFolder();
    QTemporaryDir programFolder;
    QTemporaryDir files;
    ASSERT_TRUE(QDir(files.path()).mkpath(QStringLiteral("waves")));
    const QString waves = QDir::cleanPath(files.filePath(QStringLiteral("waves")));
    RecordedServices services;
    services.waveFileDialogs = std::make_shared<dds::DesktopWaveFileDialogs>(dds::DialogLook::QtOwn);
    TForm1 form(services.For(std::make_shared<dds::VirtualHidBus>(), programFolder.path() + QStringLiteral("/")));
    Find<QTimer>(form, "Timer2")->stop();
    QString folderWhileOpen;
    QString startFolderOfTheNextDialog;
    int dialogsSeen = 0;
    const auto driveDialog = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        ++dialogsSeen;
        if (dialogsSeen == 1) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            edit->setText(waves);
            QTest::keyClick(edit, Qt::Key_Return);
            folderWhileOpen = WaveFileFolderLine(programFolder.path());
        } else {
            startFolderOfTheNextDialog = QDir::cleanPath(dialog->directory().path());
        }
        dialog->reject();
    };
    for (int run = 0; run < 2; ++run) {
        QTimer::singleShot(0, &form, driveDialog);
        QTest::mouseClick(Find<QToolButton>(form, "ToolButton4"), Qt::LeftButton);
    }
    EXPECT_EQ(dialogsSeen, 2);
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(folderWhileOpen)), waves);
    EXPECT_EQ(startFolderOfTheNextDialog, waves);
    EXPECT_TRUE(services.errors.isEmpty()) << services.errors.join('\n').toStdString();
}

QString LookInText()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return label ? label->text() : QString();
}

QString CancelText()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    const QPushButton* cancel = buttons ? buttons->button(QDialogButtonBox::Cancel) : nullptr;
    return cancel ? cancel->text() : QString();
}

TEST(QtTranslations, DialogsSpeakTheDesktopsLanguage)
{
    KeepDialogHistoryInATemporaryFolder();
    ASSERT_TRUE(dds::InstallQtTranslations(QLocale(QLocale::French, QLocale::France)));
    EXPECT_TRUE(LookInText().startsWith(QStringLiteral("Voir dans"))) << LookInText().toStdString();
    EXPECT_EQ(CancelText().remove('&'), QStringLiteral("Annuler"));
    ASSERT_TRUE(dds::InstallQtTranslations(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_TRUE(LookInText().startsWith(QStringLiteral("Suchen in"))) << LookInText().toStdString();
    // A language Qt has no texts for leaves them in English, the earlier language removed.
    EXPECT_FALSE(dds::InstallQtTranslations(QLocale::c()));
    EXPECT_TRUE(LookInText().startsWith(QStringLiteral("Look in"))) << LookInText().toStdString();
}

} // namespace
