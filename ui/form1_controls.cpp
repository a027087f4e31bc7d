// Builds the main window's controls from the layout table, and its menus.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

#include "ui/control_builder.h"
#include "ui/fitting_label.h"
#include "ui/form1.h"
#include "ui/image_button.h"
#include "ui/path_list_view.h"
#include "ui/start_position_panel.h"
#include "ui/window_font.h"

namespace dirnal::ui {

namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("Form1", text);
}
}  // namespace

void Form1::createControls()
{
    setFont(windowFont());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1.client"));
    setCentralWidget(client);

    const DirectoryLister& lister = *services_.lister;
    buildControls(client, "", [&](const ControlRow& row, QWidget* parent) -> QWidget* {
        switch (row.kind) {
        case ControlKind::PathList: {
            List1_ = new PathListView(parent);
            List1_->setPathList(&session_->list());
            return List1_;
        }
        case ControlKind::StartPanel:
            return frame_start_ = new StartPositionPanel(lister, services_.drives, parent);
        case ControlKind::ListFilePanel:
            return Dateiauswahl_ = new ListFilePanel(lister, services_.drives, parent);
        default:
            return nullptr;
        }
    });
    // The panels lie over the path list.
    frame_start_->raise();
    Dateiauswahl_->raise();

    QStyle* style = this->style();
    control<QLabel>("img_ok")->setPixmap(style->standardIcon(QStyle::SP_DialogApplyButton).pixmap(32));
    control<QLabel>("img_pathnotvalid")->setPixmap(style->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32));
    control<ImageButton>("img_save")->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    control<ImageButton>("img_Exit")->setIcon(style->standardIcon(QStyle::SP_DialogCloseButton));
    control<ImageButton>("cmd_del")->setIcon(style->standardIcon(QStyle::SP_TrashIcon));
    control<ImageButton>("img_putin")->setIcon(style->standardIcon(QStyle::SP_ArrowLeft));
    control<ImageButton>("cmd_vista")->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    control<QLabel>("Label5")->setAlignment(Qt::AlignCenter);

    lbl_suchstartpos_ = control<FittingLabel>("lbl_suchstartpos");
    lbl_file_ = control<FittingLabel>("lbl_file");
    lblStatus_ = control<FittingLabel>("lblStatus");
    lblnumber_ = control<FittingLabel>("lblnumber");
    // A path too long for its box keeps its beginning and its last folder.
    lbl_suchstartpos_->setElideMode(Qt::ElideMiddle);
    lbl_file_->setElideMode(Qt::ElideMiddle);
    img_ok_ = control<QLabel>("img_ok");
    img_pathnotvalid_ = control<QLabel>("img_pathnotvalid");
    Label4_ = control<QLabel>("Label4");
    txt_einzelpfad_ = control<QLineEdit>("txt_einzelpfad");
    txt_find_ = control<QLineEdit>("txt_find");
    // The find box is named by its heading.
    control<QLabel>("Label2")->setBuddy(txt_find_);
    cmd_einzel_ = control<QWidget>("cmd_einzel");
    cmd_DOS_ = control<QPushButton>("cmd_DOS");
    cmd_DirtoUNC_ = control<QWidget>("cmd_DirtoUNC");
    cmd_UNCtoDir_ = control<QWidget>("cmd_UNCtoDir");
    img_putin_ = control<QWidget>("img_putin");
    Frame3_ = control<QWidget>("Frame3");
    orderTabs();
    List1_->setFocus();
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(translated(QT_TRANSLATE_NOOP("Form1", "Datei")));
    file->setObjectName(QStringLiteral("datei"));
    int fileIndex = 0;
    for (const char* caption : {QT_TRANSLATE_NOOP("Form1", "Öffnen"), QT_TRANSLATE_NOOP("Form1", "speichern"),
                                QT_TRANSLATE_NOOP("Form1", "speichern unter..."), "EXIT"}) {
        QAction* item = file->addAction(translated(caption));
        item->setObjectName(QStringLiteral("dateis_%1").arg(fileIndex));
        connect(item, &QAction::triggered, this, [this, fileIndex] { dateis(fileIndex); });
        ++fileIndex;
    }

    QMenu* options = menuBar()->addMenu(translated(QT_TRANSLATE_NOOP("Form1", "Optionen")));
    options->setObjectName(QStringLiteral("option"));
    int index = 0;
    for (const char* caption :
         {QT_TRANSLATE_NOOP("Form1", "Such-Startposition einstellen"),
          QT_TRANSLATE_NOOP("Form1", "dirnal.lst Speicherort festlegen"),
          QT_TRANSLATE_NOOP("Form1", "vorige Eingabe einstellen"), QT_TRANSLATE_NOOP("Form1", "doppelte Einträge löschen"),
          "Dir to UNC", "UNC to Dir", QT_TRANSLATE_NOOP("Form1", "relativ zur Startposition")}) {
        QAction* item = options->addAction(translated(caption));
        item->setObjectName(QStringLiteral("optionens_%1").arg(index));
        connect(item, &QAction::triggered, this, [this, index] { optionens(index); });
        ++index;
    }

    QAction* info = menuBar()->addAction(translated(QT_TRANSLATE_NOOP("Form1", "INFO")));
    info->setObjectName(QStringLiteral("info"));
    connect(info, &QAction::triggered, this, &Form1::showInformationWindow);
}

}  // namespace dirnal::ui
