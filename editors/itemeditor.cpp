#include "itemeditor.h"

#include "balloonhint.h"
#include "codepagevalidator.h"
#include "editorgeometry.h"
#include "editorpictures.h"
#include "fieldtests.h"
#include "numbertext.h"
#include "statusicon.h"
#include "textfieldedit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace varn {
namespace {

using namespace geometry;

struct DialogShape {
    int section;
    const char* objectName;
    const char* title;
    QSize clientSize;
    int warningNumber;  // picture number of the warning; the left strip takes the next one
};

constexpr DialogShape kShapes[] = {
    {0, "TForm2", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {431, 382}, 14},
    {2, "TForm3", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {432, 379}, 14},
    {3, "TForm4", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {438, 428}, 14},
    {4, "TForm5", QT_TRANSLATE_NOOP("varn::ItemEditor", "Item Editor"), {431, 363}, 14},
    {8, "TForm6", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {433, 359}, 14},
    {10, "TForm7", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {433, 262}, 14},
    {15, "TForm8", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {433, 362}, 14},
    {9, "TForm9", QT_TRANSLATE_NOOP("varn::ItemEditor", "Items Editor"), {455, 516}, 19},
};

const DialogShape& shapeOf(int section) {
    for (const DialogShape& shape : kShapes)
        if (shape.section == section) return shape;
    return kShapes[0];
}

QFont dialogFont() {
    QFont font = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
                     ? QFont(QStringLiteral("Tahoma"))
                     : QApplication::font();
    font.setPointSize(8);
    return font;
}

// A field's caption: to its left, bold, in the highlight colour.
QLabel* fieldLabel(const QString& text, QLineEdit* field) {
    auto* label = new QLabel(text, field->parentWidget());
    label->setObjectName(field->objectName() + QStringLiteral("Label"));
    label->setBuddy(field);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(kLabelLeft, field->y(), field->x() - kLabelGap - kLabelLeft, kFieldHeight);
    QFont bold = field->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    label->setPalette(palette);
    return label;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, const QPixmap& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    return label;
}

}  // namespace

ItemEditor::ItemEditor(int section, const EditorTexts& texts, QWidget* parent)
    : QDialog(parent),
      layout_(sectionLayout(section)),
      texts_(texts),
      warningNumber_(shapeOf(section).warningNumber) {
    buildFrame();
}

ItemEditor::~ItemEditor() = default;

QString ItemEditor::labelText(int column) const {
    return column < texts_.labels.size() ? texts_.labels[column] : QString();
}

void ItemEditor::buildFrame() {
    const DialogShape& shape = shapeOf(section());
    setObjectName(QString::fromLatin1(shape.objectName));
    setWindowTitle(tr(shape.title));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(dialogFont());
    setFixedSize(shape.clientSize + QSize(extraLabelWidth(), 0));
    balloon_ = new BalloonHint(this);
    addDecoration();

    indexEdit_ = new QLineEdit(this);
    indexEdit_->setObjectName(QStringLiteral("LabeledEdit1"));
    indexEdit_->setEnabled(false);
    indexEdit_->setGeometry(fieldRect(width(), 0));
    fieldLabel(labelText(0), indexEdit_);

    int index = 1;
    for (int cell = 0; cell < layout_->visibleCount; ++cell) {
        if (layout_->cells[cell].rule == TextRule::Marker) continue;
        addField(cell, this, fieldRect(width(), index), labelText(cell + 1));
        ++index;
    }

    warningIcon_ =
        pictureLabel(this, QStringLiteral("Image%1").arg(warningNumber_), editorPictures().warning);
    warningLabel_ = new QLabel(tr("Check all inputs!"), this);
    warningLabel_->setObjectName(QStringLiteral("Label1"));
    QFont bold = font();
    bold.setBold(true);
    warningLabel_->setFont(bold);
    placeWarningLine(fieldRect(width(), index - 1).bottom() + 1);
    setWarningVisible(false);
    addBottomBar();
    orderTabsDownTheFields();
}

void ItemEditor::orderTabsDownTheFields() {
    QWidget* previous = nullptr;
    for (const Field& field : fields_) {
        if (previous) setTabOrder(previous, field.edit);
        previous = field.edit;
    }
    if (previous) setTabOrder(previous, okButton_);
    setTabOrder(okButton_, cancelButton_);
}

// Captions longer than the room between the left strip and the fields widen the dialog, so
// that every caption stays whole and off the strip.
int ItemEditor::extraLabelWidth() const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString& text : texts_.labels) widest = std::max(widest, metrics.horizontalAdvance(text));
    const int room = fieldLeft(shapeOf(section()).clientSize.width(), kFieldWidth) - kLabelGap -
                     kLeftStripWidth - kLabelGap;
    return std::max(0, widest - room);
}

void ItemEditor::addDecoration() {
    const EditorPictures& pictures = editorPictures();
    const int height = this->height() - kBottomBarHeight;
    QLabel* backdrop = pictureLabel(this, QStringLiteral("Image1"), pictures.backdrop);
    backdrop->setScaledContents(true);
    backdrop->setGeometry(kLeftStripWidth, 0, width() - kLeftStripWidth, height);
    QLabel* strip =
        pictureLabel(this, QStringLiteral("Image%1").arg(warningNumber_ + 1), pictures.leftStrip);
    strip->setScaledContents(true);
    strip->setGeometry(0, 0, kLeftStripWidth, height);
    // Holders of the two status pictures, never shown; the icons take their pictures from them.
    pictureLabel(this, QStringLiteral("resok"), pictures.valid)->hide();
    pictureLabel(this, QStringLiteral("resno"), pictures.invalid)->hide();
}

void ItemEditor::addBottomBar() {
    auto* bar = new QGroupBox(this);
    bar->setObjectName(QStringLiteral("GroupBox1"));
    bar->setGeometry(0, height() - kBottomBarHeight, width(), kBottomBarHeight);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(234, 240, 255));
    bar->setPalette(palette);
    bar->setAutoFillBackground(true);

    okButton_ = new QPushButton(tr("OK"), bar);
    okButton_->setObjectName(QStringLiteral("Button1"));
    auto* cancel = new QPushButton(tr("Cancel"), bar);
    cancel->setObjectName(QStringLiteral("Button2"));
    cancelButton_ = cancel;
    const int top = (kBottomBarHeight - kButtonHeight) / 2;
    const int cancelLeft = width() - kRightMargin - kButtonWidth;
    cancel->setGeometry(cancelLeft, top, kButtonWidth, kButtonHeight);
    okButton_->setGeometry(cancelLeft - kButtonGap - kButtonWidth, top, kButtonWidth,
                           kButtonHeight);
    // Enter in any field runs OK; Esc cancels, as in every dialog.
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &ItemEditor::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int ItemEditor::nextIconNumber() {
    const int number = nextFieldNumber_;
    // The warning and the left strip own two numbers of the run; icons after them skip both.
    return number >= warningNumber_ ? number + 2 : number;
}

ItemEditor::Field& ItemEditor::addField(int cell, QWidget* container, const QRect& geometry,
                                        const QString& labelText) {
    const CellLayout& layout = layout_->cells[cell];
    Field field{.cell = cell, .test = layout.test};

    const bool text = layout.type == FieldType::Text;
    field.edit = text ? new TextFieldEdit(layout.width, container) : new QLineEdit(container);
    field.edit->setObjectName(QStringLiteral("LabeledEdit%1").arg(nextFieldNumber_));
    field.edit->setGeometry(geometry);
    if (text) field.edit->setValidator(new CodePageValidator(field.edit));

    field.label = fieldLabel(labelText, field.edit);

    // Every field has its icon, so the numbers match; an untested one simply stays empty.
    field.icon = new StatusIcon(balloon_, container);
    field.icon->setObjectName(QStringLiteral("Image%1").arg(nextIconNumber()));
    field.icon->move(geometry.right() + 1 + kIconGap, geometry.top());
    ++nextFieldNumber_;
    fields_.push_back(field);
    return fields_.back();
}

void ItemEditor::placeWarningLine(int y) {
    const int left = indexEdit_->x();
    const int top = y + kWarningGap;
    warningIcon_->setGeometry(left, top, kWarningIconSize, kWarningIconSize);
    warningLabel_->setGeometry(left + kWarningIconSize + 4, top, kFieldWidth, kWarningIconSize);
}

void ItemEditor::setWarningVisible(bool visible) {
    warningIcon_->setVisible(visible);
    warningLabel_->setVisible(visible);
}

void ItemEditor::openRow(int row, const QStringList& cellTexts, char separator) {
    const bool usable = row >= 0 && cellTexts.size() == layout_->cellCount();
    // Texts that are not a row of this section leave the dialog empty and unable to confirm.
    row_ = usable ? row : -1;
    separator_ = separator;
    confirmedWrites_.clear();
    okButton_->setEnabled(usable);
    indexEdit_->setText(usable ? QString::number(row) : QString());
    for (const Field& field : fields_) {
        field.icon->setEmpty();
        field.edit->setText(usable ? cellTexts[field.cell] : QString());
    }
    balloon_->hide();
    setWarningVisible(false);
}

void ItemEditor::done(int result) {
    balloon_->hide();
    row_ = -1;  // a closed dialog confirms nothing until it is opened again
    QDialog::done(result);
}

bool ItemEditor::testAllFields() {
    bool allValid = true;
    for (const Field& field : fields_) {
        const FieldCheck check =
            checkCell(layout_->cells[field.cell], textView(field.edit->text()), separator());
        // A field without a test of its own is marked only when its text does not fit.
        if (field.test == FieldTest::None && check.valid) {
            field.icon->setEmpty();
            continue;
        }
        if (check.valid) {
            field.icon->setValid();
        } else {
            field.icon->setInvalid(messageText(check.message));
            allValid = false;
        }
        fieldTested(field, check.valid);
    }
    return allValid;
}

void ItemEditor::fieldTested(const Field&, bool) {}

bool ItemEditor::writeBackText(const Field& field, QString& text) const {
    const CellLayout& layout = layout_->cells[field.cell];
    text = field.edit->text();
    if (!layout.isFloat()) return true;
    float value = 0;
    const std::string typed = text.toStdString();
    if (parseFloatText(typed, separator(), value) != ParseStatus::Ok) return false;
    const int decimals = layout.writeBackDecimals();
    // A general float is written as typed, but "inf" or "nan" as the table shows such values.
    if (decimals == 0 && std::isfinite(value)) return true;
    text = QString::fromStdString(decimals == 0 ? general15(value, separator())
                                                : trimmedFixed(value, decimals, separator()));
    return true;
}

std::u16string_view ItemEditor::textView(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.constData()),
            static_cast<std::size_t>(text.size())};
}

// The field tests keep their messages in UTF-16 for the checks without Qt; the dialog shows
// them in the user's language.
QString ItemEditor::messageText(std::u16string_view message) {
    static const std::pair<std::u16string_view, const char*> kTranslated[] = {
        {kFloatMessage, QT_TR_NOOP("Enter an floating-point value")},
        {kUnsignedMessage, QT_TR_NOOP("Enter an unsigned integer value")},
        {kIntegerMessage, QT_TR_NOOP("Enter an integer value")},
        {kNameMessage, QT_TR_NOOP("Only 0-9, A-Z, a-z and _\u00A0"
                                  "are allowed")},
        {kModelNameMessage, QT_TR_NOOP("Only 0-9, A-Z, a-z and _\u00A0 are allowed")},
    };
    for (const auto& [english, source] : kTranslated)
        if (english == message) return tr(source);
    return QString::fromUtf16(message.data(), static_cast<qsizetype>(message.size()));
}

bool ItemEditor::planCommit(std::vector<CellWrite>& writes) {
    for (const Field& field : fields_) {
        QString text;
        if (!writeBackText(field, text)) {
            field.icon->setInvalid(messageText(kFloatMessage));
            return false;
        }
        writes.push_back({field.cell, text});
    }
    return true;
}

void ItemEditor::confirm() {
    setWarningVisible(false);
    if (row_ < 0) return;
    const bool allValid = testAllFields();
    std::vector<CellWrite> writes;
    // Every text is converted before anything is handed back, so a commit is all or nothing.
    if (!allValid || !planCommit(writes)) {
        setWarningVisible(true);
        return;
    }
    confirmedWrites_ = std::move(writes);
    accept();
}

}  // namespace varn
