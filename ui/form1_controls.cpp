// Builds the main window's controls from the layout table.
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <map>
#include <string>

#include "core/path_style.h"
#include "ui/caption_button.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"
#include "ui/file_list.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/image_button.h"
#include "ui/outline_panel.h"
#include "ui/path_list_view.h"
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

QLabel* makeLabel(QWidget* parent, bool bordered)
{
    auto* label = new QLabel(parent);
    if (bordered)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont fontOf(ControlFont font, const QFont& windowFont)
{
    switch (font) {
    case ControlFont::TitleSerif: {
        QFont title(QStringLiteral("Liberation Serif"));
        title.setPointSizeF(9.75);
        title.setBold(true);
        return title;
    }
    case ControlFont::SmallSerif: {
        QFont small(QStringLiteral("Liberation Serif"));
        small.setPointSizeF(6);
        return small;
    }
    case ControlFont::Window:
        break;
    }
    return windowFont;
}

}  // namespace

void Form1::createControls()
{
    setFont(windowFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1.client"));
    setCentralWidget(client);

    std::map<std::string, QWidget*> parents{{"", client}};
    for (const ControlSpec& row : form1Controls()) {
        QWidget* parent = parents.at(row.parent);
        const QString caption = translated(row.caption);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::Label:
        case ControlKind::BorderLabel: {
            QLabel* label = makeLabel(parent, row.kind == ControlKind::BorderLabel);
            label->setText(caption);
            widget = label;
            break;
        }
        case ControlKind::CloseBox: {
            auto* box = new QToolButton(parent);
            box->setText(caption);
            widget = box;
            break;
        }
        case ControlKind::Button:
            widget = new CaptionButton(caption, parent);
            break;
        case ControlKind::ImageButton:
            widget = new ImageButton(parent);
            break;
        case ControlKind::StatusImage:
            widget = makeLabel(parent, false);
            widget->setCursor(Qt::PointingHandCursor);
            break;
        case ControlKind::TextBox:
            widget = new QLineEdit(parent);
            break;
        case ControlKind::PathList: {
            auto* view = new PathListView(parent);
            view->setPathList(&list_);
            widget = view;
            break;
        }
        case ControlKind::GroupFrame:
            widget = new QGroupBox(caption, parent);
            break;
        case ControlKind::Panel:
            widget = new OutlinePanel(parent);
            break;
        case ControlKind::Area:
            widget = new QWidget(parent);
            break;
        case ControlKind::DriveList:
            widget = new DriveSelector(services_.drives, parent);
            break;
        case ControlKind::DirList: {
            auto* drives = row.name == std::string("Dir1") ? Drive1_ : Drive_file_;
            widget = new DirectoryList(
                *services_.lister, [drives](const std::string& path) { return drives->driveOf(path); }, parent);
            break;
        }
        case ControlKind::FileList:
            widget = new FileList(row.caption, parent);
            break;
        }
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        const QString toolTip = translated(row.toolTip);
        if (!toolTip.isEmpty())
            widget->setToolTip(toolTip);
        // Assistive technology names a control by its caption, or its tooltip.
        widget->setAccessibleName(!caption.isEmpty() && row.kind != ControlKind::FileList ? caption : toolTip);
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
            widget->setFont(fontOf(row.font, font()));
        widget->setVisible(row.visible);
        parents[row.name] = widget;

        if (row.name == std::string("Drive1"))
            Drive1_ = static_cast<DriveSelector*>(widget);
        else if (row.name == std::string("Drive_file"))
            Drive_file_ = static_cast<DriveSelector*>(widget);
    }
    // The panels lie over the path list.
    control<QWidget>("frame_start")->raise();
    control<QWidget>("Dateiauswahl")->raise();

    QStyle* style = this->style();
    control<QLabel>("img_ok")->setPixmap(style->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32));
    control<QLabel>("img_pathnotvalid")->setPixmap(style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32));
    control<ImageButton>("img_save")->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    control<ImageButton>("img_Exit")->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton));
    control<ImageButton>("cmd_del")->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
    control<ImageButton>("img_putin")->setIcon(style->standardIcon(QStyle::SP_ArrowLeft));
    control<ImageButton>("cmd_vista")->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    control<QLabel>("Label5")->setAlignment(Qt::AlignCenter);

    List1_ = control<PathListView>("List1");
    Command1_ = control<QPushButton>("Command1");
    lbl_suchstartpos_ = control<QLabel>("lbl_suchstartpos");
    lbl_file_ = control<QLabel>("lbl_file");
    lblStatus_ = control<QLabel>("lblStatus");
    lblnumber_ = control<QLabel>("lblnumber");
    img_ok_ = control<QLabel>("img_ok");
    img_pathnotvalid_ = control<QLabel>("img_pathnotvalid");
    Label4_ = control<QLabel>("Label4");
    txt_einzelpfad_ = control<QLineEdit>("txt_einzelpfad");
    txt_find_ = control<QLineEdit>("txt_find");
    cmd_einzel_ = control<QWidget>("cmd_einzel");
    cmd_DOS_ = control<QPushButton>("cmd_DOS");
    cmd_DirtoUNC_ = control<QWidget>("cmd_DirtoUNC");
    cmd_UNCtoDir_ = control<QWidget>("cmd_UNCtoDir");
    img_putin_ = control<QWidget>("img_putin");
    frame_start_ = control<QWidget>("frame_start");
    Frame3_ = control<QWidget>("Frame3");
    Dateiauswahl_ = control<QWidget>("Dateiauswahl");
    cmd_hier_ = control<QWidget>("cmd_hier");
    Dir1_ = control<DirectoryList>("Dir1");
    Dir_file_ = control<DirectoryList>("Dir_file");
    File_file_ = control<FileList>("File_file");
    setTabOrder(List1_, Command1_);
    List1_->setFocus();
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("Datei"));
    file->setObjectName(QStringLiteral("datei"));
    int fileIndex = 0;
    for (const char* caption : {"Öffnen", "speichern", "speichern unter...", "EXIT"}) {
        QAction* item = file->addAction(translated(caption));
        item->setObjectName(QStringLiteral("dateis_%1").arg(fileIndex));
        connect(item, &QAction::triggered, this, [this, fileIndex] { dateis(fileIndex); });
        ++fileIndex;
    }

    QMenu* options = menuBar()->addMenu(tr("Optionen"));
    options->setObjectName(QStringLiteral("option"));
    int index = 0;
    for (const char* caption : {"Such-Startposition einstellen", "dirnal.lst Speicherort festlegen",
                                "vorige Eingabe einstellen", "doppelte Einträge löschen", "Dir to UNC",
                                "UNC to Dir", "relativ zur Startposition"}) {
        QAction* item = options->addAction(translated(caption));
        item->setObjectName(QStringLiteral("optionens_%1").arg(index));
        connect(item, &QAction::triggered, this, [this, index] { optionens(index); });
        ++index;
    }

    QAction* info = menuBar()->addAction(tr("INFO"));
    info->setObjectName(QStringLiteral("info"));
    connect(info, &QAction::triggered, this, &Form1::showInformationWindow);
}

template <typename T>
T* Form1::control(const char* name) const
{
    return findChild<T*>(QString::fromLatin1(name));
}

}  // namespace dirnal::ui
