#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <stdexcept>

namespace dds {

// parametres.inf: 80 lines addressed by number, written back whole. Lines the program does not use
// are carried through byte for byte, so the file can hold values of other tools.
constexpr int kSettingsLineCount = 80;
constexpr int kProgramFolderLine = 2;
constexpr int kLanguageLine = 6;
constexpr int kWaveFileFolderLine = 11;
constexpr int kFrenchLanguage = 1;
inline constexpr const char* kSettingsFileName = "parametres.inf";

using SettingsLines = std::array<QByteArray, kSettingsLineCount>;

// Splits file content into the first 80 lines (CR LF, LF or a lone CR end a line); missing lines
// are empty.
SettingsLines ParseSettingsLines(const QByteArray& content);
// Every line followed by CR LF.
QByteArray SerializeSettingsLines(const SettingsLines& lines);
// The language code held by a line 6; French when the line is not a 32-bit decimal integer.
int LanguageCodeFromLine(const QByteArray& line);

class SettingsWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The folder of the executable, ending in a separator.
QString ProgramFolder();
// The per-user configuration folder, ending in a separator; used when the program folder cannot
// be written (a protected installation).
QString UserSettingsFolder();
// Where the transfer's scratch picture "Sample.bmp" goes: the program folder when a file can be
// created in it, else the per-user folder (created on demand), like the settings file; when neither
// takes a file, the system's temporary folder, so that transfers still work.
struct ScratchLocation {
    QString folder; // ends in a separator
    bool temporary = false;
};
ScratchLocation ScratchFolder(const QString& programFolder, const QString& userFolder);

class SettingsFile {
public:
    // Both folders end in a separator. The user folder is created only when it is needed.
    SettingsFile(QString programFolder, QString userFolder);

    // Reads the file beside the program when a file can be created in its folder. Otherwise (an
    // installed program) the user folder's file, or while there is none yet the one beside the
    // program, and every later write goes to the user folder. A file that cannot be opened reads as
    // 80 empty lines.
    void LoadSettings();
    // Writes all 80 lines through a temporary file renamed over the old one. When the program
    // folder refuses the write (a full disk), the user folder takes over for the rest of the run.
    // Throws SettingsWriteError when no folder accepts it; the lines in memory are kept.
    void SaveSettings();

    const QByteArray& Line(int number) const;
    void SetLine(int number, const QByteArray& text);
    const SettingsLines& Lines() const { return lines_; }

    int LanguageCode() const;
    // The folder the waveform-file dialogs open in, empty for the platform's default.
    QString WaveFileFolder() const;
    void SetWaveFileFolder(const QString& folder);

    // The file the next SaveSettings writes.
    QString FilePath() const;
    bool UsesUserFolder() const { return useUserFolder_; }

private:
    void WriteTo(const QString& folder) const;

    QString programFolder_;
    QString userFolder_;
    bool useUserFolder_ = false;
    SettingsLines lines_;
};

} // namespace dds
