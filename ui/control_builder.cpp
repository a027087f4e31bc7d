#include "ui/control_builder.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <map>
#include <string>

#include "ui/accessible_names.h"
#include "ui/caption_button.h"
#include "ui/enter_presses_button.h"
#include "ui/fitting_label.h"
#include "ui/image_button.h"
#include "ui/twips.h"
#include "ui/window_font.h"

namespace dirnal::ui {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("Form1", text);
}

QColor colourOf(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QLabel* makeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont fontOf(ControlFont font)
{
    switch (font) {
    case ControlFont::TitleSerif: {
        QFont title = liberationOr(QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), 9.75);
        title.setBold(true);
        return title;
    }
    case ControlFont::SmallSerif:
        return liberationOr(QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"), 6);
    case ControlFont::Window:
        break;
    }
    return windowFont();
}

QWidget* makePlainControl(const ControlRow& row, const QString& caption, QWidget* parent)
{
    switch (row.kind) {
    case ControlKind::Label: {
        QLabel* label = makeLabel(parent);
        label->setText(caption);
        return label;
    }
    case ControlKind::BorderLabel: {
        auto* label = new FittingLabel(parent);
        label->setText(caption);
        return label;
    }
    case ControlKind::CloseBox: {
        auto* box = new QToolButton(parent);
        box->setText(caption);
        return box;
    }
    case ControlKind::Button:
        return new CaptionButton(caption, parent);
    case ControlKind::ImageButton:
        return new ImageButton(parent);
    case ControlKind::StatusImage: {
        QLabel* image = makeLabel(parent);
        image->setCursor(Qt::PointingHandCursor);
        return image;
    }
    case ControlKind::TextBox:
        return new QLineEdit(parent);
    case ControlKind::GroupFrame:
        return new QGroupBox(caption, parent);
    default:  // an area: a frame without caption or border
        return new QWidget(parent);
    }
}

// Whether a control shows its caption as a text of its own.
bool showsCaption(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
    case ControlKind::BorderLabel:
    case ControlKind::CloseBox:
    case ControlKind::Button:
    case ControlKind::GroupFrame:
        return true;
    default:
        return false;
    }
}

// A control that shows a text is named by it, so that assistive technology
// reads the text it has now and is told when it changes; a name of its own
// only where the text alone would not be understood. The others are named
// by the caption they do not show (a panel), or else by their tooltip.
void nameForAssistiveTechnology(QWidget* widget, const ControlRow& row, const QString& caption, const QString& toolTip)
{
    const AccessibleText spoken = accessibleTextOf(row.name);
    if (spoken.name)
        widget->setAccessibleName(QCoreApplication::translate("AccessibleNames", spoken.name));
    else if (!showsCaption(row.kind))
        widget->setAccessibleName(row.kind == ControlKind::FileList || caption.isEmpty() ? toolTip : caption);
    if (spoken.description)
        widget->setAccessibleDescription(QCoreApplication::translate("AccessibleNames", spoken.description));
}

void dress(QWidget* widget, const ControlRow& row, const QString& caption)
{
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    const QString toolTip = translated(row.toolTip);
    if (!toolTip.isEmpty())
        widget->setToolTip(toolTip);
    nameForAssistiveTechnology(widget, row, caption, toolTip);
    if (row.textColour != kNoColour || row.backColour != kNoColour) {
        QPalette palette = widget->palette();
        if (row.textColour != kNoColour)
            palette.setColor(QPalette::WindowText, colourOf(row.textColour));
        if (row.backColour != kNoColour) {
            // A text box's background is its base; anything else fills its window colour.
            const bool textBox = row.kind == ControlKind::TextBox;
            palette.setColor(textBox ? QPalette::Base : QPalette::Window, colourOf(row.backColour));
            widget->setAutoFillBackground(!textBox);
        }
        widget->setPalette(palette);
    }
    if (row.font != ControlFont::Window)
        widget->setFont(fontOf(row.font));
    widget->setVisible(row.visible);
}

}  // namespace

void buildControls(QWidget* container, const char* containerName, const MakeControl& make)
{
    std::map<std::string, QWidget*> frames{{containerName, container}};
    auto* enter = new EnterPressesButton(container);
    for (const ControlRow& row : form1Controls()) {
        const auto frame = frames.find(row.parent);
        if (frame == frames.end())
            continue;
        const QString caption = translated(row.caption);
        QWidget* widget = make(row, frame->second);
        const bool ownContents = widget != nullptr;
        if (!widget)
            widget = makePlainControl(row, caption, frame->second);
        dress(widget, row, caption);
        if (qobject_cast<QAbstractButton*>(widget))
            widget->installEventFilter(enter);
        if (!ownContents)
            frames[row.name] = widget;
    }
}

}  // namespace dirnal::ui
