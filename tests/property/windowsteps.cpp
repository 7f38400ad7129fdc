// The window run's own steps: the keys that switch sections, selections in the table and on the
// map, Duplicate, Copy and Paste, Select All and Delete, the filter bar, New, opening the sample
// again, a reload after another program wrote the file, and Save As .xpl. Each changes the
// model as the window must change the document; the comparisons of the editing run follow.

#include "editingrun.h"
#include "filewatch.h"
#include "filterbar.h"
#include "guitestsupport.h"
#include "mainwindow.h"
#include "maplayers.h"
#include "mappanel.h"
#include "mapview.h"
#include "modeltext.h"
#include "placementdocument.h"
#include "rowcommands.h"
#include "rowfiltermodel.h"
#include "sectionpages.h"
#include "wrappingtabwidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>
#include <set>

namespace varn::property {
namespace {

using testmodel::ModelRow;
constexpr int kMostWindowRows = 40;  // Duplicate and Paste stop adding beyond this
constexpr int kBandMargin = 2;       // pixels of doubt at a band's edges

QAction* actionNamed(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

MapView* mapView(MainWindow& window) {
    auto* panel = window.findChild<MapPanel*>(QStringLiteral("MapPanel"));
    return panel ? panel->view() : nullptr;
}

void showTab(MainWindow& window, QWidget* tab) {
    QMetaObject::invokeMethod(window.findChild<QWidget*>(QStringLiteral("PageControl1")),
                              "setCurrentWidget", Q_ARG(QWidget*, tab));
}

void sendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), to->mapToGlobal(QPointF(at)), button, buttons,
                      modifiers);
    QApplication::sendEvent(to, &event);
}

// A section 0 row's place on the map, from the model's Pos X and Pos Y texts.
std::optional<QPointF> mapPosition(const ModelRow& row, char separator) {
    const auto value = [&](int cell) {
        QString text = row[cell].text;
        text.replace(QLatin1Char(separator), QLatin1Char('.'));
        bool ok = false;
        const double v = text.toDouble(&ok);
        return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    };
    const auto x = value(0);
    const auto y = value(1);
    if (!x || !y) return std::nullopt;
    return QPointF(*x, *y);
}

std::optional<QPoint> pixelOf(const MapView& view, const ModelRow& row, char separator) {
    const auto at = mapPosition(row, separator);
    if (!at) return std::nullopt;
    const double px = view.viewport().toPixelX(at->x());
    const double py = view.viewport().toPixelY(at->y());
    if (!(std::abs(px) < 1e6 && std::abs(py) < 1e6)) return std::nullopt;
    return QPoint(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
}

// A pasted row as Paste writes it: every cell as its text reads, a saved hash kept.
ModelRow pastedRow(const ModelRow& source, int section, char separator) {
    ModelRow row = source;
    const auto& shapes = testmodel::sectionShape(section).cells;
    for (std::size_t c = 0; c < row.size(); ++c) {
        testmodel::ModelCell& cell = row[c];
        const Kind kind = shapes[c].kind;
        if (testmodel::isFloatKind(kind)) {
            if (const auto bits = testmodel::floatBits(cell.text, separator)) cell.bits = *bits;
        } else if (kind == Kind::Int || kind == Kind::NonNegativeInt) {
            cell.bits = static_cast<std::uint32_t>(cell.text.toInt());
        } else if (kind == Kind::UInt) {
            cell.bits = cell.text.toUInt();
        }
        cell.storedText = cell.text;
        cell.storedBits = cell.bits;
    }
    return row;
}

}  // namespace

void EditingRun::takeWindowSteps(const QString& samplePath, test::ScriptedPrompts& prompts) {
    samplePath_ = samplePath;
    prompts_ = &prompts;
    prompts.unsavedChoice = test::ScriptedPrompts::UnsavedChoice::Discard;
    prompts.reloadAnswer = true;
}

void EditingRun::windowStep(int section) {
    const int rows = static_cast<int>(model_.rows(section).size());
    const int pick = values_.below(100);
    if (pick < 12) {
        switchTabByKey();
    } else if (pick < 24) {
        selectRowRange(section);
    } else if (pick < 32) {
        pickOnMap();
    } else if (pick < 40) {
        pickBandOnMap();
    } else if (pick < 50) {
        if (rows < kMostWindowRows) duplicateRows(section); else deleteSelected(section, true);
    } else if (pick < 60) {
        if (rows < kMostWindowRows) copyAndPaste(section); else deleteSelected(section, false);
    } else if (pick < 68) {
        deleteSelected(section, values_.chance(30));
    } else if (pick < 82) {
        filterRows(section);
    } else if (pick < 86) {
        newDocument();
    } else if (pick < 90) {
        openSample();
    } else if (pick < 96) {
        reloadAfterOutsideChange();
    } else {
        saveAsXpl();
    }
}

void EditingRun::pushRowsStep(int section, const QString& text, std::vector<ModelRow> after) {
    history_.push(section, text, model_.rows(section), after);
    model_.setRows(section, std::move(after));
}

// Ctrl+Tab and Ctrl+PageDown go to the next section, Ctrl+Shift+Tab and Ctrl+PageUp to the one
// before, wrapping around, from the table that has the keyboard focus.
void EditingRun::switchTabByKey() {
    auto* tabs = window_.findChild<WrappingTabWidget*>(QStringLiteral("PageControl1"));
    const int from = tabs->currentIndex();
    const int key = values_.below(4);
    const bool forward = key < 2;
    note(QStringLiteral("switch tab by key"), QString::number(key));
    QWidget* table = nullptr;
    for (const SectionPage& page : window_.pages().pages())
        if (page.tab == tabs->currentWidget()) table = page.view;
    window_.activateWindow();
    table->setFocus();
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Tab, Qt::ControlModifier},
        {Qt::Key_PageDown, Qt::ControlModifier},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_PageUp, Qt::ControlModifier}};
    QTest::keyClick(table, keys[key].first, keys[key].second);
    const int expected = (from + (forward ? 1 : tabs->count() - 1)) % tabs->count();
    if (tabs->currentIndex() != expected)
        fail(QStringLiteral("the key went from tab %1 to %2, not %3")
                 .arg(from)
                 .arg(tabs->currentIndex())
                 .arg(expected));
}

void EditingRun::selectRowRange(int section) {
    const int rows = static_cast<int>(model_.rows(section).size());
    if (rows == 0) return;
    const int first = values_.below(rows);
    const int last = first + values_.below(rows - first);
    std::vector<int> range(static_cast<std::size_t>(last - first + 1));
    std::iota(range.begin(), range.end(), first);
    note(QStringLiteral("select rows"), QStringLiteral("s%1 %2-%3").arg(section).arg(first).arg(last));
    window_.pages().page(section).selectRows(range);
    if (window_.pages().page(section).selectedRows() != range)
        fail(QStringLiteral("section %1 did not select rows %2 to %3").arg(section).arg(first).arg(last));
}

// A click on a point of section 0 selects a row whose point lies under the pointer.
void EditingRun::pickOnMap() {
    MapView* view = mapView(window_);
    const std::vector<ModelRow>& rows = model_.rows(0);
    if (!view || rows.empty()) return;
    (void)view->picture();
    const int row = values_.below(static_cast<int>(rows.size()));
    const auto pixel = pixelOf(*view, rows[row], model_.separator());
    if (!pixel || !view->rect().contains(*pixel)) {
        note(QStringLiteral("map click, the row out of view"));
        return;
    }
    note(QStringLiteral("map click"), QStringLiteral("r%1 at %2,%3").arg(row).arg(pixel->x()).arg(pixel->y()));
    const bool wasSelected = window_.pages().page(0).view->selectionModel()->isRowSelected(
        window_.pages().page(0).filter->rowOf(row));
    sendMouse(view, QEvent::MouseButtonPress, *pixel, Qt::LeftButton, {});
    sendMouse(view, QEvent::MouseButtonRelease, *pixel, Qt::NoButton, {});
    const std::vector<int> selected = window_.pages().page(0).selectedRows();
    // A box outline of section 9 through the pixel may be nearer than the point.
    if (selected.empty() && !wasSelected && window_.pages().page(9).selectedRows().empty())
        fail(QStringLiteral("a click on a point selected nothing"));
    for (int picked : selected) {
        const auto at = pixelOf(*view, rows[picked], model_.separator());
        if (!at || (*at - *pixel).manhattanLength() > 24)
            fail(QStringLiteral("a click at %1,%2 selected row %3 far away")
                     .arg(pixel->x())
                     .arg(pixel->y())
                     .arg(picked));
    }
}

// Shift and a drag select every point in the band; the rows in doubt at its edges are left out
// of the check.
void EditingRun::pickBandOnMap() {
    MapView* view = mapView(window_);
    if (!view || view->width() < 20 || view->height() < 20) return;
    (void)view->picture();
    const QPoint from(values_.below(view->width()), values_.below(view->height()));
    const QPoint to(values_.below(view->width()), values_.below(view->height()));
    const QRect band = QRect(from, to).normalized();
    note(QStringLiteral("map band"), QStringLiteral("%1,%2 to %3,%4")
                                         .arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y()));
    sendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(view, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(view, QEvent::MouseMove, to, Qt::LeftButton, Qt::ShiftModifier);
    sendMouse(view, QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::ShiftModifier);
    if (band.width() < 2 * kBandMargin + 4 || band.height() < 2 * kBandMargin + 4) return;
    const QRect inner = band.adjusted(kBandMargin, kBandMargin, -kBandMargin, -kBandMargin);
    const QRect outer = band.adjusted(-kBandMargin, -kBandMargin, kBandMargin, kBandMargin);
    const std::vector<ModelRow>& rows = model_.rows(0);
    const std::vector<int> selectedRows = window_.pages().page(0).selectedRows();
    const std::set<int> selected(selectedRows.begin(), selectedRows.end());
    bool anyInside = false;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto at = pixelOf(*view, rows[r], model_.separator());
        // A row the table's filter hides cannot be selected in it.
        if (!at || !inner.contains(*at) || window_.pages().page(0).filter->rowOf(r) < 0) continue;
        anyInside = true;
        if (!selected.count(r))
            fail(QStringLiteral("row %1 at %2,%3 (%4, %5) lies in the band but is not selected")
                     .arg(r).arg(at->x()).arg(at->y()).arg(rows[r][0].text, rows[r][1].text));
    }
    if (!anyInside) return;
    for (int r : selected) {
        const auto at = pixelOf(*view, rows[r], model_.separator());
        if (!at || !outer.contains(*at))
            fail(QStringLiteral("row %1 is selected but lies outside the band").arg(r));
    }
}

void EditingRun::duplicateRows(int section) {
    const std::vector<ModelRow>& rows = model_.rows(section);
    if (rows.empty()) return;
    selectRowRange(section);
    const std::vector<int> chosen = window_.pages().page(section).selectedRows();
    if (chosen.empty()) return;
    note(QStringLiteral("duplicate"), QStringLiteral("s%1 %2 rows").arg(section).arg(chosen.size()));
    window_.rowCommands().duplicateSelectedRows(section);
    std::vector<ModelRow> after = rows;
    std::vector<ModelRow> copies;
    for (int r : chosen)
        copies.push_back(rows[r]);
    after.insert(after.begin() + chosen.back() + 1, copies.begin(), copies.end());
    pushRowsStep(section,
                 chosen.size() == 1
                     ? QStringLiteral("Duplicate Row %1 of Section %2").arg(chosen.front()).arg(section)
                     : QStringLiteral("Duplicate %1 Rows of Section %2").arg(chosen.size()).arg(section),
                 std::move(after));
}

// Copy a few rows of the section, then Paste them after one row or, with none selected, at
// the end.
void EditingRun::copyAndPaste(int section) {
    SectionPage& page = window_.pages().page(section);
    showTab(window_, page.tab);
    const std::vector<ModelRow>& rows = model_.rows(section);
    if (!rows.empty() && (copiedSection_ != section || values_.chance(50))) {
        selectRowRange(section);
        copied_.clear();
        for (int r : page.selectedRows())
            copied_.push_back(rows[r]);
        copiedSection_ = section;
        note(QStringLiteral("copy"), QStringLiteral("s%1 %2 rows").arg(section).arg(copied_.size()));
        actionNamed(window_, "Copy1")->trigger();
    }
    if (copiedSection_ != section || copied_.empty()) return;
    const int count = static_cast<int>(rows.size());
    const int target = count > 0 && values_.chance(70) ? values_.below(count) : -1;
    if (target >= 0) {
        page.selectRow(target);
    } else {
        page.view->selectionModel()->clearSelection();
    }
    const int first = target >= 0 ? target + 1 : count;
    note(QStringLiteral("paste"), QStringLiteral("s%1 %2 rows at %3").arg(section).arg(copied_.size()).arg(first));
    actionNamed(window_, "Paste1")->trigger();
    std::vector<ModelRow> after = rows;
    std::vector<ModelRow> pasted;
    for (const ModelRow& row : copied_)
        pasted.push_back(pastedRow(row, section, model_.separator()));
    after.insert(after.begin() + first, pasted.begin(), pasted.end());
    const int n = static_cast<int>(pasted.size());
    pushRowsStep(section,
                 n == 1 ? QStringLiteral("Paste Row %1 into Section %2").arg(first).arg(section)
                        : QStringLiteral("Paste %1 Rows into Section %2").arg(n).arg(section),
                 std::move(after));
}

// Select All (the rows a filter shows) or a range, then Delete.
void EditingRun::deleteSelected(int section, bool everyRow) {
    SectionPage& page = window_.pages().page(section);
    const std::vector<ModelRow>& rows = model_.rows(section);
    if (rows.empty()) return;
    if (everyRow) {
        showTab(window_, page.tab);
        actionNamed(window_, "SelectAll1")->trigger();
        std::vector<int> shown;
        for (int r = 0; r < page.filter->rowCount(); ++r)
            shown.push_back(page.filter->sourceRow(r));
        std::sort(shown.begin(), shown.end());
        if (page.selectedRows() != shown) fail(QStringLiteral("Select All did not select the shown rows"));
    } else {
        selectRowRange(section);
    }
    const std::vector<int> chosen = page.selectedRows();
    if (chosen.empty()) return;
    note(everyRow ? QStringLiteral("select all, delete") : QStringLiteral("delete rows"),
         QStringLiteral("s%1 %2 rows").arg(section).arg(chosen.size()));
    window_.rowCommands().deleteSelectedRows(section);
    std::vector<ModelRow> after;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (!std::binary_search(chosen.begin(), chosen.end(), r)) after.push_back(rows[r]);
    pushRowsStep(section,
                 chosen.size() == 1
                     ? QStringLiteral("Delete Row %1 of Section %2").arg(chosen.front()).arg(section)
                     : QStringLiteral("Delete %1 Rows of Section %2").arg(chosen.size()).arg(section),
                 std::move(after));
}

// A text found in one column, a comparison on the row number or on a whole-number column, or a
// comparison on all columns (refused with a reason, every row kept); the rows shown must be
// those the query keeps. Half the time the filter is cleared again, else it stays for the
// steps that follow.
void EditingRun::filterRows(int section) {
    SectionPage& page = window_.pages().page(section);
    showTab(window_, page.tab);
    page.filterBar->activate();
    auto* text = page.filterBar->findChild<QLineEdit*>(QStringLiteral("FilterText"));
    auto* column = page.filterBar->findChild<QComboBox*>(QStringLiteral("FilterColumn"));
    const std::vector<ModelRow>& rows = model_.rows(section);
    const auto& cells = testmodel::sectionShape(section).cells;
    const int count = static_cast<int>(rows.size());
    std::function<bool(int)> keeps;
    QString query;
    int columnData = kRowNumberColumn;
    const int kind = values_.below(4);
    if (kind == 0 && count > 0) {
        const int cell = values_.below(static_cast<int>(cells.size()));
        const QString source = rows[values_.below(count)][cell].text;
        if (column->findData(cell) < 0 || source.isEmpty()) return;
        const int start = values_.below(static_cast<int>(source.size()));
        query = source.mid(start, 1 + values_.below(3));
        columnData = cell;
        keeps = [&rows, cell, query](int r) { return rows[r][cell].text.contains(query, Qt::CaseInsensitive); };
    } else if (kind == 1 || count == 0) {
        const int bound = values_.below(count + 2);
        query = QStringLiteral("< %1").arg(bound);
        keeps = [bound](int r) { return r < bound; };
    } else if (kind == 2) {
        std::vector<int> whole;
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            if ((cells[c].kind == Kind::Int || cells[c].kind == Kind::UInt ||
                 cells[c].kind == Kind::NonNegativeInt) && column->findData(c) >= 0)
                whole.push_back(c);
        if (whole.empty()) return;
        const int cell = whole[values_.below(static_cast<int>(whole.size()))];
        const qint64 number = rows[values_.below(count)][cell].text.toLongLong();
        query = QStringLiteral(">=%1").arg(number);
        columnData = cell;
        keeps = [&rows, cell, number](int r) { return rows[r][cell].text.toLongLong() >= number; };
    } else {
        query = QStringLiteral("> 100");
        columnData = kAllColumns;
        keeps = [](int) { return true; };
    }
    note(QStringLiteral("filter"), QStringLiteral("s%1 column %2 '%3'").arg(section).arg(columnData).arg(query));
    column->setCurrentIndex(column->findData(columnData));
    text->setText(query);
    page.filterBar->applyNow();
    compareFilter(section);
    std::vector<int> shown;
    for (int r = 0; r < page.filter->rowCount(); ++r)
        shown.push_back(page.filter->sourceRow(r));
    std::vector<int> expected;
    for (int r = 0; r < count; ++r)
        if (keeps(r)) expected.push_back(r);
    if (shown != expected)
        fail(QStringLiteral("the filter '%1' shows %2 rows, not %3").arg(query).arg(shown.size()).arg(expected.size()));
    auto* message = page.filterBar->findChild<QLabel*>(QStringLiteral("FilterMessage"));
    if (columnData == kAllColumns && !message->text().contains(QStringLiteral("one column")))
        fail(QStringLiteral("a comparison on all columns says '%1'").arg(message->text()));
    if (values_.chance(50)) {
        note(QStringLiteral("clear filter"));
        page.filterBar->dismiss();
        if (page.filter->isFiltering()) fail(QStringLiteral("the filter is still on after Esc"));
    }
}

// The filter of a section as the user sees it: on with its bar shown, or off.
void EditingRun::compareFilter(int section) {
    const SectionPage& page = window_.pages().page(section);
    if (page.filter->isFiltering() && !page.filterBar->isVisibleTo(page.tab))
        fail(QStringLiteral("section %1 filters with its bar hidden").arg(section));
}

void EditingRun::newDocument() {
    note(QStringLiteral("new"));
    window_.newDocument();
    // The names of a file's table read earlier stay known: New clears the rows, not the names.
    model_ = testmodel::ModelDocument(model_.separator(), model_.baseNames(), model_.fileNames());
    history_.clear();
    for (const SectionPage& page : window_.pages().pages())
        if (page.filter->isFiltering()) fail(QStringLiteral("New left a filter on section %1").arg(page.section));
}

void EditingRun::openSample() {
    note(QStringLiteral("open the sample"));
    QFile file(samplePath_);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read the sample"));
        return;
    }
    if (!window_.openPath(samplePath_)) fail(QStringLiteral("the sample did not open"));
    if (!model_.load(file.readAll(), false, writeHashTable_))
        fail(QStringLiteral("the model cannot load the sample"));
    history_.clear();
    for (const SectionPage& page : window_.pages().pages())
        if (page.filter->isFiltering()) fail(QStringLiteral("Open left a filter on section %1").arg(page.section));
}

// Another program writes the open file (a row fewer somewhere): the window notices, asks when
// the document has changes (the run answers Reload), and reads it again.
void EditingRun::reloadAfterOutsideChange() {
    if (savedPath_.isEmpty() || window_.currentPath() != savedPath_ ||
        savedPath_.endsWith(QLatin1String(".xpl")))
        return;
    testmodel::ModelDocument other(model_.separator(), model_.baseNames());
    if (!other.load(savedBytes_, false, writeHashTable_)) return;
    for (int section : {0, 9, 2, 3, 4, 8, 10, 15})
        if (!other.rows(section).empty()) {
            other.removeRow(section, values_.below(static_cast<int>(other.rows(section).size())));
            break;
        }
    const QByteArray bytes = other.save(writeHashTable_);
    note(QStringLiteral("outside change"), savedPath_.section(u'/', -1));
    QFile file(savedPath_);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        fail(QStringLiteral("cannot write %1").arg(savedPath_));
        return;
    }
    file.close();
    QSignalSpy replaced(&window_.placementDocument(), &PlacementDocument::replaced);
    const bool noticed = QTest::qWaitFor([&] { return !replaced.isEmpty(); }, 5000);
#ifdef Q_OS_WIN
    // Under an emulator the watch may not see a write at once; the reload is what is tested.
    if (!noticed) emit window_.placementDocument().fileWatch().changedOnDisk();
#else
    if (!noticed) fail(QStringLiteral("the window did not read the changed file again"));
#endif
    savedBytes_ = bytes;
    if (!model_.load(bytes, false, writeHashTable_)) fail(QStringLiteral("the model cannot load it"));
    history_.clear();
}

// Save As a .xpl: the file holds the document big-endian, and reads back as what a .wpl of it
// would hold.
void EditingRun::saveAsXpl() {
    const QString path = folder_ + QStringLiteral("/run-c.xpl");
    note(QStringLiteral("save as .xpl"));
    prompts_->savePaths << path;
    if (!window_.saveAs()) fail(QStringLiteral("Save As failed"));
    savedPath_ = path;
    savedBytes_ = model_.save(writeHashTable_);
    history_.markSaved();
    checkFileBytes(path);
}

// The map follows the rows: as many points and boxes as the sections have rows, and drawn as
// selected exactly the rows the tables select.
void EditingRun::compareMap() {
    auto* panel = window_.findChild<MapPanel*>(QStringLiteral("MapPanel"));
    if (!panel || !panel->isVisible()) {
        fail(QStringLiteral("the map is not shown"));
        return;
    }
    (void)panel->view()->picture();
    const std::pair<int, MapLayer*> layers[] = {{0, &panel->scene()->points()},
                                                {9, &panel->scene()->boxes()}};
    for (const auto& [section, layer] : layers) {
        const int count = static_cast<int>(model_.rows(section).size());
        if (layer->rowCount() != count) {
            fail(QStringLiteral("the map has %1 rows of section %2, not %3")
                     .arg(layer->rowCount())
                     .arg(section)
                     .arg(count));
            continue;
        }
        if (section == 0) {
            const auto positions = panel->scene()->points().positions();
            for (int r = 0; r < count; ++r) {
                const auto at = mapPosition(model_.rows(0)[r], model_.separator());
                if (at && (std::abs(positions[r].x - at->x()) > 1e-3 * (1 + std::abs(at->x())) ||
                           std::abs(positions[r].y - at->y()) > 1e-3 * (1 + std::abs(at->y())))) {
                    fail(QStringLiteral("the map has row %1 at %2, %3, not %4, %5")
                             .arg(r).arg(positions[r].x).arg(positions[r].y).arg(at->x()).arg(at->y()));
                    break;
                }
            }
        }
        const std::vector<int> selected = window_.pages().page(section).selectedRows();
        std::vector<int> marked;
        for (int r = 0; r < count; ++r)
            if (layer->marks()[r] & kRowSelected) marked.push_back(r);
        if (marked != selected)
            fail(QStringLiteral("the map marks %1 rows of section %2 selected, the table %3")
                     .arg(marked.size())
                     .arg(section)
                     .arg(selected.size()));
    }
}

}  // namespace varn::property
