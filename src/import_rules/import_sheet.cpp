#include "import_rules/import_sheet.h"

#include "import_rules/import_texts.h"

#include <algorithm>
#include <utility>

namespace tessaly {

ImportSheet::ImportSheet(QByteArray bytes, const MemberStore &roll, std::function<QDate()> today)
    : bytes_(std::move(bytes)), roll_(roll), today_(std::move(today))
{
    encoding_ = detectEncoding(bytes_);
    QString text = decodeSheet(bytes_, encoding_);
    separator_ = detectSeparator(text);
    readText(std::move(text));
}

void ImportSheet::read(SheetEncoding encoding, SheetSeparator separator)
{
    encoding_ = encoding;
    separator_ = separator;
    // The rows read before go first: a large sheet is not to be held twice.
    plan_ = ImportPlan();
    dataRows_ = std::make_shared<const SheetTable>();
    readText(decodeSheet(bytes_, encoding));
}

void ImportSheet::readText(QString text)
{
    SheetRows sheet = readSheet(std::move(text), separatorChar(separator_));
    SheetTable &rows = sheet.rows;
    unclosedQuote_ = sheet.unclosedQuote;
    misplacedQuotes_ = std::move(sheet.misplacedQuotes);
    headerMisplacedQuote_.reset();
    // Rows read below a header a misplaced quote took would be taken for the header.
    if (!misplacedQuotes_.empty() &&
        (rows.empty() || misplacedQuotes_.front().firstRow < sheet.numbers.front())) {
        headerMisplacedQuote_ = misplacedQuotes_.front();
        misplacedQuotes_.clear();
        rows = SheetTable();
        sheet.numbers.clear();
        unclosedQuote_.reset();
    }
    int columns = 0;
    for (std::size_t row = 0; row < rows.size(); ++row)
        columns = std::max(columns, static_cast<int>(rows.cellCount(row)));
    headers_ = rows.takeFirstRow();
    if (!sheet.numbers.empty())
        sheet.numbers.erase(sheet.numbers.begin());
    dataRows_ = std::make_shared<const SheetTable>(std::move(rows));
    dataRowNumbers_ = std::move(sheet.numbers);
    matches_ = matchColumns(headers_, columns);
    replan();
}

void ImportSheet::matchColumn(int column, std::optional<Field> field)
{
    assignField(matches_, column, field);
    replan();
}

void ImportSheet::setChoices(ImportChoices choices)
{
    // The plan holds every row's reasons whatever is ticked; only what it adds changes.
    choices_ = choices;
}

void ImportSheet::replan()
{
    // The rows counted from the header, the plan's from the first data row.
    std::optional<UnclosedCell> unclosed;
    if (unclosedQuote_ && unclosedQuote_->row > 0)
        unclosed = UnclosedCell{static_cast<std::size_t>(unclosedQuote_->row - 1),
                                static_cast<int>(unclosedQuote_->column), unclosedQuote_->line,
                                unclosedQuote_->lastLine};
    plan_ = planImport(dataRows_, matches_, roll_, today_(), unclosed, dataRowNumbers_);
}

bool ImportSheet::anyColumnImported() const
{
    return std::any_of(matches_.begin(), matches_.end(),
                       [](const std::optional<Field> &field) { return field.has_value(); });
}

int ImportSheet::duplicateRows() const
{
    return static_cast<int>(
        std::count_if(plan_.rows.begin(), plan_.rows.end(),
                      [](const PlannedRow &row) { return !row.barred() && row.duplicate(); }));
}

int ImportSheet::replacedRows() const
{
    return static_cast<int>(
        std::count_if(plan_.rows.begin(), plan_.rows.end(), [](const PlannedRow &row) {
            return !row.barred() && !row.replaced.empty();
        }));
}

QString ImportSheet::summary(int room) const
{
    int misplacedRows = 0;
    for (const MisplacedQuote &quote : misplacedQuotes_)
        misplacedRows += quote.lastRow - quote.firstRow + 1;
    QString text =
        importSummary(tally(), static_cast<int>(plan_.rows.size()) + misplacedRows, room);
    if (!misplacedQuotes_.empty())
        text += u' ' + misplacedQuotesText(misplacedSpans());
    if (unclosedQuote_)
        text += u' ' + quoteNeverClosedText(unclosedQuote_->number, unclosedQuote_->line,
                                            unclosedQuote_->lastLine);
    return text;
}

QString ImportSheet::resultMessage(const QString &fileName) const
{
    QString text = importResultMessage(fileName, tally());
    if (!misplacedQuotes_.empty())
        text += QStringLiteral("\n\n") + misplacedQuotesText(misplacedSpans());
    return text;
}

std::vector<std::pair<int, int>> ImportSheet::misplacedSpans() const
{
    std::vector<std::pair<int, int>> spans;
    spans.reserve(misplacedQuotes_.size());
    for (const MisplacedQuote &quote : misplacedQuotes_)
        spans.emplace_back(quote.firstRow, quote.lastRow);
    return spans;
}

} // namespace tessaly
