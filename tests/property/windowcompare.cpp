// The comparisons after each step: every section's rows, captions, cells, side cells, tab
// caption and tab image against the model, the Undo and Redo items against its history, and a
// saved file against the bytes the model expects.

#include "codepage.h"
#include "editingrun.h"
#include "mainwindow.h"
#include "modeltext.h"
#include "namehash.h"
#include "readabletext.h"
#include "rowfiltermodel.h"
#include "sectionpages.h"

#include <QAction>
#include <QFile>
#include "wrappingtabwidget.h"
#include <QTableView>

#include <algorithm>

namespace varn::property {
namespace {

using testmodel::ModelRow;
using testmodel::SectionShape;

constexpr int kMostProblems = 8;

std::uint32_t little32(const QByteArray& bytes, int offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

}  // namespace

// 0 without rows, 2 when the history holds a step on the section since the last load or save,
// else 1.
int EditingRun::expectedTabImage(int section) const {
    if (model_.rows(section).empty()) return 0;
    return history_.isChanged(section) ? 2 : 1;
}

void EditingRun::compareHistoryActions() {
    const auto check = [this](QAction* action, const QString& word, bool can, const QString& step) {
        const QString expected = can ? word + u' ' + step : word;
        const QString read = readableText(action->text());
        if (action->isEnabled() != can || read != expected)
            fail(QStringLiteral("the item reads '%1' (%2), not '%3' (%4)")
                     .arg(read, action->isEnabled() ? "enabled" : "disabled", expected,
                          can ? "enabled" : "disabled"));
    };
    check(undoAction_, QStringLiteral("Undo"), history_.canUndo(), history_.undoText());
    check(redoAction_, QStringLiteral("Redo"), history_.canRedo(), history_.redoText());
}

void EditingRun::compareWindow() {
    compareHistoryActions();
    auto* tabs = window_.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    for (const SectionShape& shape : testmodel::sectionShapes()) {
        const int section = shape.number;
        const std::vector<ModelRow>& rows = model_.rows(section);
        const SectionPage& page = window_.pages().page(section);
        const QAbstractItemModel* shown = page.view->model();
        const int count = static_cast<int>(rows.size());
        // A filter shows some of the rows, each as the section holds it.
        const bool filtering = page.filter->isFiltering();
        const int shownCount = shown->rowCount();
        if (filtering ? shownCount > count : shownCount != count) {
            fail(QStringLiteral("section %1 shows %2 rows, not %3")
                     .arg(section)
                     .arg(shown->rowCount())
                     .arg(count));
            continue;
        }
        const QString caption =
            count > 0 ? QStringLiteral("[%1] %2").arg(count).arg(shape.caption) : shape.caption;
        if (tabs->tabText(tabs->indexOf(page.tab)) != caption)
            fail(QStringLiteral("tab caption '%1', not '%2'")
                     .arg(tabs->tabText(tabs->indexOf(page.tab)), caption));
        const int image = window_.pages().tabImage(section);
        if (image != expectedTabImage(section))
            fail(QStringLiteral("section %1 has tab image %2, not %3")
                     .arg(section)
                     .arg(image)
                     .arg(expectedTabImage(section)));
        for (int r = 0; r < shownCount && problems_.size() < kMostProblems; ++r) {
            const int source = page.filter->sourceRow(r);
            const QString number = shown->data(shown->index(r, 0)).toString();
            if (source < 0 || source >= count || number != QString::number(source)) {
                fail(QStringLiteral("section %1 shown row %2 is numbered %3 (row %4)")
                         .arg(section)
                         .arg(r)
                         .arg(number)
                         .arg(source));
                break;
            }
            for (std::size_t c = 0; c < rows[source].size(); ++c) {
                const QString text =
                    shown->data(shown->index(r, static_cast<int>(c) + 1)).toString();
                if (text != rows[source][c].text)
                    fail(QStringLiteral("section %1 row %2 cell %3 shows '%4', not '%5'")
                             .arg(section)
                             .arg(source)
                             .arg(c)
                             .arg(text, rows[source][c].text));
            }
            compareSideCells(section, r);
        }
        if (problems_.size() >= kMostProblems) return;
    }
}

// Read from the window alone: a section 0 row's hash is its hash text's value or its name's
// hash (or the pairing of a base dictionary entry, for a name shown from it); section 9 keeps
// each of the ten hashes the hash of its name.
void EditingRun::compareSideCells(int section, int row) {
    const QAbstractItemModel* shown = window_.pages().page(section).view->model();
    const auto cell = [&](int c) { return shown->data(shown->index(row, c + 1)).toString(); };
    if (section == 0) {
        const QString name = cell(7);
        const QString hash = cell(12);
        const auto& base = model_.baseNames();
        const bool fromBase = std::any_of(base.begin(), base.end(), [&](auto& e) {
            return decodeWindows1252(e.name) == name && QString::number(e.hash) == hash;
        });
        const bool hashText = testmodel::isHashTextForm(name);
        const std::uint32_t wanted = hashText ? testmodel::hashTextNumber(name) : nameHash(name);
        if (hash != QString::number(wanted) && !(fromBase && !hashText))
            fail(QStringLiteral("section 0 row %1: name '%2' with hash %3")
                     .arg(row)
                     .arg(name, hash));
    } else if (section == 9) {
        for (int k = 0; k < 10; ++k)
            if (cell(9 + k) != QString::number(nameHash(cell(19 + k))))
                fail(QStringLiteral("section 9 row %1: hash%2 %3 for the name '%4'")
                         .arg(row)
                         .arg(k + 1)
                         .arg(cell(9 + k), cell(19 + k)));
        if (cell(7) != QStringLiteral("[...]") || cell(8) != QStringLiteral("[...]"))
            fail(QStringLiteral("section 9 row %1 lost its markers").arg(row));
    }
}

void EditingRun::checkFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read back %1").arg(path));
        return;
    }
    QByteArray written = file.readAll();
    QByteArray expected = savedBytes_;
    if (path.endsWith(QLatin1String(".xpl"))) {
        // Big-endian: the file and the expected .wpl bytes are both read by the model and
        // written again the same way, so that only their contents are compared.
        const auto rewrite = [this](const QByteArray& bytes, bool bigEndian, QByteArray& out) {
            testmodel::ModelDocument read(model_.separator(), model_.baseNames());
            if (!read.load(bytes, bigEndian, true)) return false;
            out = read.save(true);
            return true;
        };
        if (!rewrite(written, true, written) || !rewrite(expected, false, expected)) {
            fail(QStringLiteral("the model cannot read %1").arg(path));
            return;
        }
    }
    if (written == expected) return;
    const auto [a, b] =
        std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
    const int offset = static_cast<int>(a - written.begin());
    fail(QStringLiteral("the file has %1 bytes, %2 expected; first difference at %3 (%4)")
             .arg(written.size())
             .arg(expected.size())
             .arg(offset)
             .arg(describeOffset(expected, offset)));
}

// Where a byte of the expected file lies: the header, a field of a record, or the name table.
QString EditingRun::describeOffset(const QByteArray& bytes, int offset) const {
    if (offset < testmodel::kHeaderBytes) return QStringLiteral("header byte %1").arg(offset);
    int start = testmodel::kHeaderBytes;
    for (const SectionShape& shape : testmodel::sectionShapes()) {
        const int count = static_cast<int>(little32(bytes, 4 + 4 * shape.number));
        if (offset < start + count * shape.recordSize) {
            const int inSection = offset - start;
            return QStringLiteral("section %1 row %2 record byte %3")
                .arg(shape.number)
                .arg(inSection / shape.recordSize)
                .arg(inSection % shape.recordSize);
        }
        start += count * shape.recordSize;
    }
    return QStringLiteral("name table byte %1").arg(offset - start);
}

}  // namespace varn::property
