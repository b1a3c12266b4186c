#pragma once

#include <QList>
#include <QString>

namespace db {
class Dataset;
}

namespace contracts {

// One line of the sort file: "*" or a space, the caption up to the first "=", then the ORDER BY term.
struct SortLine {
    bool selected = false;
    QString caption; // as written in the file (it may hold a "#String" token or a SELECT statement)
    QString term;    // copied unchanged into the ORDER BY clause
};

// No more lines than this may be ticked: the ORDER BY clause takes at most ten terms.
inline constexpr int MaximumSortTerms = 10;

// The lines of the sort file, empty lines left out. A missing file gives an empty list; a file that
// cannot be read throws AppError.
QList<SortLine> ReadSortList(const QString& path);

// Stores the ticks: only character 1 of each (non-empty) line of the existing file changes, every other
// byte stays as it was. When the file does not exist it is written from the lines (Windows-1252, CR LF).
// Throws AppError when the file cannot be written.
void WriteSortList(const QString& path, const QList<SortLine>& lines);

// DataDir + "SortList.def", the name found without regard to case (the name as written when missing).
QString SortListPath();

// The caption the sort dialog shows: a "#String" token (to the end of the caption) is replaced by its
// text in the catalogue's section "SortField"; a caption that then holds "SELECT " is run on the main
// connection followed by " WHERE Id_File=" + the dossier Id and shows the first column of the first row
// (empty when there is no row; the caption itself when the statement fails).
QString SortCaption(const QString& raw, int dossierId);

// Ticks or unticks a line. Ticking a line when MaximumSortTerms are already ticked is refused: the line
// stays unticked and false is returned (the dialog then says why).
bool SetSortLineSelected(QList<SortLine>& lines, int index, bool selected);
int CountSelectedSortLines(const QList<SortLine>& lines);

// The ORDER BY terms of the ticked lines in file order, joined with ", ", at most MaximumSortTerms of
// them (never cut inside a term); the default term when the list gives none.
QString SortTermList(const QList<SortLine>& lines, const QString& defaultTerm);
// The same from the sort file of the data folder; the default term when the file is missing, unreadable
// or has no ticked line.
QString SortTermList(const QString& defaultTerm);

// Re-sorts an open dataset on the sort file's terms and keeps its current row (by Id). The dataset is
// open afterwards whatever happens: when the terms make the statement fail, it is reopened in the
// default order and the error is thrown (French text).
void ApplySortOrder(db::Dataset& dataset, const QString& defaultTerm);

// Closes the dataset, sets its ORDER BY line from the sort file and opens it; falls back to the default
// term when the sort file's terms make the statement fail. True when the file's order was used.
bool OpenWithSortOrder(db::Dataset& dataset, const QString& defaultTerm);

} // namespace contracts
