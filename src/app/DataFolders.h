#pragma once

#include <QString>
#include <QStringList>

namespace app {

class StartupObserver;

// The user's documents folder, below which the data root lives by default.
QString DocumentsFolder();

// Decides DataDir (globals().dataDir) and creates its folder tree and warning files. ProgramDir and
// InstallDir must be set. A non-empty dataDirOverride is the data folder itself; an empty documentsFolder
// means DocumentsFolder(). Never fails: a folder that cannot be created is simply missing.
void ResolveDataFolder(const QString& dataDirOverride = QString(),
                       const QString& documentsFolder = QString());

// On first run copies the database (the older installation's in ProgramDir + "Data/", else the shipped
// empty one) with its images and files into DatabaseDir, then fetches "SortList.def" and the settings
// file. Needs the database settings (LoadDatabaseSettings). False, after a warning, when no database
// can be found to copy. The observer, when given, shows the wait box of an announced transfer.
bool TransferInitialData(const QString& settingsFileName, StartupObserver* observer = nullptr);

// Copies a shipped file into DataDir when DataDir has none of that name (compared without regard to
// case), from the first of ProgramDir, ProgramDir + "Ressources/DB/", ProgramDir + "Maj/" that has it.
// True when DataDir holds the file afterwards.
bool FetchIfMissing(const QString& fileName);

// é è ê ë -> e, à â ä -> a, ù û ü -> u, ô ö -> o, î ï -> i, ç -> c (lower-case letters only).
QString RemoveAccents(const QString& text);

// The names of the files of a folder that match the mask ("*.maj", "Doc*.jpg"), compared without regard
// to case, in name order so that runs repeat.
QStringList ListFiles(const QString& folder, const QString& mask);

// Copies every file of the source folder that matches the mask into the target folder, overwriting
// files of the same name. Failures are skipped.
void CopyFolderFiles(const QString& sourceFolder, const QString& targetFolder, const QString& mask);

// Writes the text with each line (split at "\r", "\r\n" or "\n") followed by CR LF, in Windows-1252.
// Throws AppError when the file cannot be written.
void WriteTextFile(const QString& path, const QString& text);

// True for a path that only means something on Windows: a drive ("C:\...", "C:/...", "C:") or a
// network share ("\\server\share").
bool IsWindowsPath(const QString& path);

// A folder written in a settings file, with "\" or "/" separators: relative folders are taken below
// base; the result ends with "/".
QString FolderFromSetting(const QString& text, const QString& base);

// The path of the file of that name in the folder, the name compared without regard to case; empty when
// there is none.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName);

} // namespace app
