#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QToolButton>

#include "editor/waveform_import.h"
#include "panel/front_panel.h"
#include "shell/addition_texts.h"
#include "shell/language_texts.h"
#include "test_waveform_fixture.h"
#include "wav_bytes.h"
#include "widgets/double_speed.h"
#include "widgets/panel_status_bar.h"
#include "window_controls.h"

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class WindowImport : public WaveformWindow {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        WriteAll(path, bytes);
        return path;
    }
    void open(const QString& file)
    {
        dialogs.openAnswers << file;
        click(Find<QToolButton>(*form, "ToolButton2"));
    }
    QString status() const { return Find<PanelStatusBar>(*form, "StatusBar1")->panelText(1); }
    QTemporaryDir folder;
};

TEST(OpenDialog, OffersTheWaveformFileFirstThenTheImportedFormats)
{
    EXPECT_EQ(dds::OpenDialogFilters(), (QStringList{"xls (*.xls)", "Waveforms (*.csv *.txt *.wav)"}));
}

TEST_F(WindowImport, ACsvReplacesTheTableAsAnOpenedFileDoes)
{
    click(Find<QToolButton>(*form, "ToolButton6"));   // French, whatever an earlier run stored
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed9")); // rectangle: the kind must survive the import
    const QString csv = write("scope.csv", "Time;Volt\r\n0;-2,5\r\n1;2,5\r\n");
    open(csv);
    ASSERT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    EXPECT_EQ(table(), dds::ImportWaveformFile(csv.toStdString()).table);
    EXPECT_EQ(table()[801], 128);
    EXPECT_TRUE(plotShowsTable());
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 2);
    EXPECT_TRUE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_FALSE(form->FrontPanel().State().presetDown);
    EXPECT_EQ(status(),
              QString::fromUtf8("2 échantillons → 3200, mis à l'échelle de −2,5..2,5, 1 ligne d'en-tête ignorée"));
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    EXPECT_TRUE(status().isEmpty()) << "the status line spoke of the imported table";
}

TEST_F(WindowImport, ReadingShowsTheWaitCursorAndLetsEventsThrough)
{
    std::optional<Qt::CursorShape> during;
    QTimer::singleShot(0, form.get(), [&during] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            during = cursor->shape();
    });
    open(write("w.csv", "0\n1\n"));
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(WindowImport, StatusFollowsTheInterfaceLanguage)
{
    const QString wav = write("tone.wav", QByteArray::fromStdString(Wav(1, 16, 1, {-32768, 0, 32767})));
    click(Find<QToolButton>(*form, "ToolButton5")); // English
    open(wav);
    EXPECT_EQ(status(), QString::fromUtf8("3 samples → 3200, full scale −1..1"));
    click(Find<QToolButton>(*form, "ToolButton19")); // German
    open(write("codes.txt", "0\n300\n"));
    EXPECT_EQ(status(), QString::fromUtf8("2 Abtastwerte → 3200, skaliert von 0..300"));
    dds::ImportSummary limited{3, dds::AppliedScale::ByteCodes, 0, 255, 12, 2};
    EXPECT_EQ(dds::ImportStatusText(limited, dds::MessageTexts(1).additions),
              "3 échantillons → 3200, octets pris comme codes, 12 limités à 0..255, 2 lignes d'en-tête ignorées");
    limited.skippedLines = 0;
    limited.scale = dds::AppliedScale::Raw;
    EXPECT_EQ(dds::ImportStatusText(limited, dds::MessageTexts(0).additions),
              "3 samples → 3200, values taken as codes, 12 limited to 0..255");
}

TEST_F(WindowImport, BadInputChangesNothingAndNamesLineAndColumn)
{
    click(Find<TDoubleSpeed>(*form, "DoubleSpeed10"));
    const dds::WaveformTable before = table();
    const QString bad = write("bad.csv", "1;2\n3;4\n5;x7\n");
    open(bad);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QString::fromUtf8("Fichier \"%1\", ligne 3, colonne 3 : 'x7' n'est pas une valeur "
                                           "numérique correcte").arg(bad));
    EXPECT_EQ(table(), before);
    EXPECT_TRUE(plotShowsTable());
    EXPECT_EQ(static_cast<int>(form->FrontPanel().State().kind), 3);
    EXPECT_FALSE(Find<QFrame>(*form, "Panel4")->isHidden());
    EXPECT_TRUE(Find<TDoubleSpeed>(*form, "DoubleSpeed10")->Down());

    errors.clear();
    open(write("short.wav", QByteArray::fromStdString(Wav(1, 16, 1, {1, 2, 3}).substr(0, 46))));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].endsWith(QString::fromUtf8("fichier WAV tronqué"))) << errors[0].toStdString();
    EXPECT_EQ(table(), before);
}

TEST_F(WindowImport, WaveformFilesKeepTheirOwnReader)
{
    dds::WaveformTable odd;
    for (int n = 1; n <= 3200; ++n)
        odd[n] = n % 2 ? 300 : -5;
    const QString xls = folder.filePath("odd.xls");
    dds::WriteWaveformFile(xls.toStdString(), odd);
    open(xls);
    EXPECT_EQ(table(), odd) << "values outside 0..255 are kept, as before";
}
