#pragma once

#include "document.h"
#include "rowfiltermodel.h"
#include "sectionmodel.h"

#include <QIcon>
#include <QObject>
#include <QString>

#include <array>

class QAction;
class QMenu;
class QTableView;

namespace varn {

class WrappingTabWidget;

class FilterBar;
class PlacementDocument;
class SettingsFile;

// One section's tab page: its list, the section's model and the filter between them, and its
// item in the View menu. Rows are named by their position in the section, whatever the filter
// shows.
struct SectionPage {
    int section = 0;
    QWidget* tab = nullptr;
    QTableView* view = nullptr;
    SectionModel* model = nullptr;
    RowFilterModel* filter = nullptr;
    FilterBar* filterBar = nullptr;
    QAction* viewItem = nullptr;
    QString caption;  // the plain tab caption from the settings

    // The row an editor opens on: the current row when it is selected, else the first selected
    // row; -1 without a selection.
    [[nodiscard]] int selectedRow() const;
    // Every selected row, ascending.
    [[nodiscard]] std::vector<int> selectedRows() const;
    // Makes the row the only selected one and the current one, and scrolls it into view. A row
    // the filter hides is shown by clearing the filter.
    void selectRow(int row) const;
    // Selects the rows (ascending), the last one current.
    void selectRows(const std::vector<int>& rows) const;
};

// The eight section tabs: captions with row counts, state images, visibility, column captions
// and widths.
class SectionPages : public QObject {
    Q_OBJECT
public:
    SectionPages(PlacementDocument& document, WrappingTabWidget* tabs, QMenu* viewMenu, QObject* parent);

    [[nodiscard]] SectionPage& page(int section);
    [[nodiscard]] std::array<SectionPage, kKnownSectionCount>& pages() { return pages_; }

    // "[N] caption" while the table has rows, else the plain caption; the image says whether
    // the section is empty, as last loaded or saved, or changed since.
    void refreshSectionTab(int section);
    // The tab image's number: 0 no rows, 1 rows as loaded or saved, 2 changed since.
    [[nodiscard]] int tabImage(int section) const;
    void refreshAllTabs();
    // Brings the section's tab to the front (shown again when View hid it) with the row
    // selected, current and in view, and the table focused; a filter that hides the row is
    // taken away. False when the section has no such row.
    bool showRow(int section, int row);
    // Only sections with rows visible (section 0 when none has rows), View items to match.
    void applyActiveSectionsRule();
    void showAllTabs();

    void loadViewCaptions(const SettingsFile& settings);
    void loadColumnWidths(const SettingsFile& settings);
    [[nodiscard]] bool saveColumnWidths(SettingsFile& settings, QString& error) const;

private:
    // A reset forgets the header's sections: the widths the user set are put back.
    void keepWidthsAcrossReset(SectionPage& page);
    void createPage(SectionPage& page, const char* tabName, const char* listName,
                    const char* viewItemName, QMenu* viewMenu);
    [[nodiscard]] int tabIndex(const SectionPage& page) const;

    PlacementDocument& document_;
    WrappingTabWidget* tabs_;
    std::array<SectionPage, kKnownSectionCount> pages_;
    std::array<QIcon, 3> stateIcons_;
};

}  // namespace varn
