#include "clipboardcommands.h"

#include "deleterowscommand.h"
#include "insertrowscommand.h"
#include "placementdocument.h"
#include "rowblock.h"
#include "rowclipboard.h"
#include "sectionpages.h"
#include "userprompts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace varn {
namespace {

// The captions the view shows for the visible cells, for the messages.
QStringList shownCaptions(const SectionModel& model) {
    QStringList captions;
    for (int column = 1; column < model.visibleColumnCount(); ++column)
        captions << model.caption(column);
    return captions;
}

// Decoded rows as one block: the records, and the texts they do not show back as edits.
RowBlock blockOf(DecodedRecords&& decoded, int cellCount) {
    RowBlock block;
    block.count = decoded.rowCount();
    block.records = std::move(decoded.records);
    for (int row = 0; row < block.count; ++row)
        for (const CellWrite& write : decoded.edits[row])
            setBlockCellText(block, cellCount, row, write.cell, write.text);
    return block;
}

}  // namespace

ClipboardCommands::ClipboardCommands(PlacementDocument& document, SectionPages& pages,
                                     UserPrompts& prompts, QWidget* window)
    : QObject(window), document_(document), pages_(pages), prompts_(prompts), window_(window) {}

int ClipboardCommands::copyRows(int section) {
    const SectionPage& page = pages_.page(section);
    const std::vector<int> rows = page.selectedRows();
    if (rows.empty()) return 0;
    QGuiApplication::clipboard()->setText(
        encodeRows(page.model->table(), rows, {.captions = shownCaptions(*page.model)}));
    return static_cast<int>(rows.size());
}

int ClipboardCommands::pasteRows(int section) {
    SectionPage& page = pages_.page(section);
    const SectionTable& table = page.model->table();
    DecodedRecords decoded;
    QString error;
    if (!decodeRecords(QGuiApplication::clipboard()->text(), table.layout(), table.context(),
                       decoded, error, shownCaptions(*page.model))) {
        prompts_.showError(window_, error);
        return 0;
    }
    const int count = decoded.rowCount();
    const int selected = page.selectedRow();
    const int first = selected >= 0 ? selected + 1 : table.rowCount();
    std::vector<int> positions = consecutiveRows(first, count);
    const QString text = count == 1 ? tr("Paste Row %1 into Section %2").arg(first)
                                    : tr("Paste %1 Rows into Section %2").arg(count);
    document_.push(new InsertRowsCommand(document_, section, positions,
                                         blockOf(std::move(decoded), table.layout().cellCount()),
                                         text.arg(section)));
    page.selectRows(positions);
    return count;
}

int ClipboardCommands::cutRows(int section) {
    SectionPage& page = pages_.page(section);
    std::vector<int> rows = page.selectedRows();
    if (copyRows(section) == 0) return 0;
    const auto count = static_cast<int>(rows.size());
    const int first = rows.front();
    const QString text = count == 1 ? tr("Cut Row %1 of Section %2").arg(first).arg(section)
                                    : tr("Cut %1 Rows of Section %2").arg(count).arg(section);
    document_.push(new DeleteRowsCommand(document_, section, std::move(rows), text));
    // The row that took the place of the first one cut is next, as after a delete.
    if (first < page.model->rowCount() && page.filter->rowOf(first) >= 0) page.selectRow(first);
    return count;
}

}  // namespace varn
