#pragma once

#include "core/member_store.h"
#include "platform/platform.h"

#include <QSizeF>
#include <QStringList>

#include <vector>

class QPainter;

namespace tessaly {

// One member's block of the printed directory.
struct DirectoryBlock {
    QString name;      // "Last, First MI", in bold with the call sign
    QString call;      // at the right of the name line
    QStringList lines; // each address line, "City ST Zip", telephone, e-mail: those not empty
    int page = 1;
    int column = 0;  // 0 the left column, 1 the right
    double top = 0;  // points below the top of the text area
};

struct DirectoryPlan {
    std::vector<DirectoryBlock> blocks; // in the members' order
    int pages = 0;
};

// The room on a page, in points.
struct DirectoryMeasures {
    double columnHeight = 0;  // from the top of the text area to the page number's line
    double headingHeight = 0; // what the heading takes at the top of the first page
    double lineHeight = 0;
    double blockGap = 0;
};

// The blocks of the members in the given order, two columns a page, the left one filled down
// first; a block never splits across columns or pages (one taller than a whole column starts
// a column of its own and is cut at its foot).
DirectoryPlan planDirectory(const MemberStore &store, const std::vector<int> &records,
                            const DirectoryMeasures &measures);

// What the directory is printed on: the paper, the part of it the printer prints, the day.
struct DirectoryPaper {
    QPageSize paper;
    PageArea area;
    QString date; // m/d/yyyy
};

// US Letter, or A4 where that is the printer's own paper.
QPageSize directoryPaperFor(const QPageSize &printersPaper);

// The measures of a page of that paper with half-inch margins, in the directory's fonts.
DirectoryMeasures directoryMeasures(const QSizeF &paperPoints);

// Paints one page (from 1): "Member Directory" and the date at the top of the first page, the
// blocks in two columns, "Page n of m" at the foot; half-inch margins from the paper's edge, the
// painter's origin at the corner of the printable area.
void paintDirectoryPage(QPainter &painter, const DirectoryPlan &plan, int page,
                        const DirectoryPaper &paper);

// The directory as a document for the printer; plan and paper must outlive it.
PrintDocument directoryDocument(const DirectoryPlan &plan, const DirectoryPaper &paper);

} // namespace tessaly
