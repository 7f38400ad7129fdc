#pragma once

#include "document.h"
#include "sectionmodel.h"

#include <QIcon>
#include <QObject>
#include <QString>

#include <array>

class QAction;
class QMenu;
class QTabWidget;
class QTableView;

namespace varn {

class PlacementDocument;
class SettingsFile;

// One section's tab page: its list and model, and its item in the View menu.
struct SectionPage {
    int section = 0;
    QWidget* tab = nullptr;
    QTableView* view = nullptr;
    SectionModel* model = nullptr;
    QAction* viewItem = nullptr;
    QString caption;  // the plain tab caption from the settings

    [[nodiscard]] int selectedRow() const;
    // Makes the row the only selected one and scrolls it into view.
    void selectRow(int row) const;
};

// The eight section tabs: captions with row counts, state images, visibility, column captions
// and widths.
class SectionPages : public QObject {
    Q_OBJECT
public:
    SectionPages(PlacementDocument& document, QTabWidget* tabs, QMenu* viewMenu, QObject* parent);

    [[nodiscard]] SectionPage& page(int section);
    [[nodiscard]] std::array<SectionPage, kKnownSectionCount>& pages() { return pages_; }

    // "[N] caption" while the table has rows, else the plain caption; the image says whether
    // the section is empty, as last loaded or saved, or changed since.
    void refreshSectionTab(int section);
    // The tab image's number: 0 no rows, 1 rows as loaded or saved, 2 changed since.
    [[nodiscard]] int tabImage(int section) const;
    void refreshAllTabs();
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
    QTabWidget* tabs_;
    std::array<SectionPage, kKnownSectionCount> pages_;
    std::array<QIcon, 3> stateIcons_;
};

}  // namespace varn
