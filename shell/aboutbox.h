#pragma once

// The About box: product name, version, credits and the link to the project's web site.

#include <QDialog>

namespace varn {

class LinkLabel;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent);

    [[nodiscard]] LinkLabel* link() const { return link_; }

private:
    LinkLabel* link_ = nullptr;
};

}  // namespace varn
