#include "ui/form1_ui.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/caption_button.h"
#include "ui/close_box.h"
#include "ui/directory_list.h"
#include "ui/drive_selector.h"
#include "ui/enter_presses_button.h"
#include "ui/file_list.h"
#include "ui/fitting_label.h"
#include "ui/image_button.h"
#include "ui/outline_panel.h"
#include "ui/path_list_view.h"
#include "ui/qt_text.h"
#include "ui/status_image.h"
#include "ui/status_line.h"
#include "ui/twips.h"
#include "ui/window_font.h"

namespace dirnal::ui {

namespace {

constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;
// The pale orange of the single-path box (red 255, green 224, blue 192).
constexpr std::uint32_t kSinglePathBackground = 0xFFE0C0;
constexpr std::uint32_t kPanelBackground = 0xC0C0C0;
constexpr std::uint32_t kTextOnFixedBackground = 0x000000;

enum class ControlFont {
    Window,      // the window's font
    TitleSerif,  // the window's title line: serif 9.75 pt bold
    SmallSerif,  // the small conversion buttons: serif 6 pt
};

// How a control looks beyond its place and text. Colours are 0xRRGGBB.
struct Look {
    std::uint32_t text = kNoColour;
    std::uint32_t back = kNoColour;
    ControlFont font = ControlFont::Window;
    Qt::Alignment alignment = {};  // none: the control's own
    std::optional<QStyle::StandardPixmap> picture = std::nullopt;
};

// What assistive technology says beyond the control's own text (in the
// context "AccessibleNames"): a name for a control that shows none, or only
// a symbol or an English word, keeping the word shown, so that a user who
// sees it can say it to voice control; a description of what a label's
// value is. Without a name, a control that shows no text is named by its
// caption (a panel) or else by its tooltip.
struct Spoken {
    const char* name = nullptr;
    const char* description = nullptr;
};

// Positions in twips, relative to the parent.
struct Place {
    int left, top, width, height;
};

struct ControlRow;
using Make = QWidget* (*)(Form1Ui& ui, QWidget* parent, const ControlRow& row);
using Container = QWidget* (*)(const Form1Ui& ui);

struct ControlRow {
    Make make;            // makes the control, of its member's class, into its member
    const char* name;     // the member, and the control's objectName
    Container parent;     // null: the window's client area
    const char* caption;  // in the context "Form1"
    const char* toolTip;  // in the context "Form1"
    Spoken spoken;
    Place place;
    bool visible;
    int tab;  // its place in the Tab order, from 1; 0: Tab passes it by
    Look look = {};
};

// Whether a control of this class shows its caption as its text.
template <typename Widget>
constexpr bool kShowsCaption = std::is_same_v<Widget, QLabel> || std::is_base_of_v<FittingLabel, Widget> ||
                               std::is_same_v<Widget, CaptionButton> || std::is_same_v<Widget, CloseBox> ||
                               std::is_same_v<Widget, QGroupBox>;

template <auto Member>
QWidget* make(Form1Ui& ui, QWidget* parent, const ControlRow& row)
{
    using Widget = std::remove_pointer_t<std::remove_cvref_t<decltype(ui.*Member)>>;
    auto* widget = new Widget(parent);
    ui.*Member = widget;
    const QString caption = translated("Form1", row.caption);
    if constexpr (std::is_same_v<Widget, QLabel>) {
        widget->setTextFormat(Qt::PlainText);
        widget->setWordWrap(true);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if constexpr (std::is_same_v<Widget, QGroupBox>)
        widget->setTitle(caption);
    else if constexpr (kShowsCaption<Widget>)
        widget->setText(caption);

    // A control that shows a text is named by it, so that assistive
    // technology reads the text it has now and is told when it changes.
    if (row.spoken.name)
        widget->setAccessibleName(translated("AccessibleNames", row.spoken.name));
    else if (!kShowsCaption<Widget>)
        widget->setAccessibleName(*row.caption ? caption : translated("Form1", row.toolTip));
    if (row.spoken.description)
        widget->setAccessibleDescription(translated("AccessibleNames", row.spoken.description));
    return widget;
}

template <auto Member>
QWidget* in(const Form1Ui& ui)
{
    return ui.*Member;
}

#define CONTROL(member) &make<&Form1Ui::member>, #member

constexpr bool kShown = true;
constexpr bool kHidden = false;

// Parents come before their children; within a parent, the order of the
// rows is the order in which the controls lie over each other. Tab goes to
// the path list first, then from the top left to the bottom right as the
// controls are drawn: the list-file panel in the corner, the generator, the
// start-position panel, and the tool area row by row (the single-path box;
// the tall buttons left and right of the two rows of small ones, each of
// those rows from the left; the find area at the right).
constexpr ControlRow kControls[] = {
    // member, parent, caption, tooltip, spoken, {left, top, width, height}, visible, tab, look
    {CONTROL(img_ok), nullptr, "", "ok", {QT_TRANSLATE_NOOP("AccessibleNames", "Der angewählte Pfad existiert")},
     {240, 0, 495, 510}, kHidden, 0, {.picture = QStyle::SP_DialogApplyButton}},
    {CONTROL(img_pathnotvalid), nullptr, "", QT_TRANSLATE_NOOP("Form1", "Der angewählte Pfad existiert nicht !"),
     {QT_TRANSLATE_NOOP("AccessibleNames", "Der angewählte Pfad existiert nicht")}, {180, 0, 480, 480}, kHidden, 0,
     {.picture = QStyle::SP_MessageBoxCritical}},
    {CONTROL(lbl_okornot), nullptr, "dirnal.lst Manager", "", {}, {180, 480, 2655, 315}, kShown, 0,
     {.text = 0x808080, .font = ControlFont::TitleSerif}},
    {CONTROL(Frame1), nullptr, "Generator", "", {}, {3000, 0, 4335, 795}, kShown, 0},
    {CONTROL(List1), nullptr, "", "", {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisliste")},
     {180, 840, 7155, 3180}, kShown, 1},
    {CONTROL(Frame3), nullptr, "", "", {QT_TRANSLATE_NOOP("AccessibleNames", "Werkzeuge")}, {120, 3960, 10335, 1695},
     kShown, 0},
    {CONTROL(frame_start), nullptr, QT_TRANSLATE_NOOP("Form1", "Startposition"), "", {}, {3000, 720, 2475, 3495},
     kHidden, 0, {.back = kPanelBackground}},
    {CONTROL(Dateiauswahl), nullptr, QT_TRANSLATE_NOOP("Form1", "Dateiauswahl"), "", {}, {0, 0, 2895, 3255}, kHidden,
     0, {.back = kPanelBackground}},

    {CONTROL(lbl_suchstartpos), &in<&Form1Ui::Frame1>, "", "",
     {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Startposition")}, {60, 180, 4215, 255}, kShown, 0},
    {CONTROL(cmd_startpos), &in<&Form1Ui::Frame1>, QT_TRANSLATE_NOOP("Form1", "1. Startposition einstellen"), "", {},
     {60, 480, 1995, 255}, kShown, 7},
    {CONTROL(Command1), &in<&Form1Ui::Frame1>, QT_TRANSLATE_NOOP("Form1", "2. Liste erstellen"),
     QT_TRANSLATE_NOOP("Form1", "Listenerstellung starten"), {}, {2220, 480, 2055, 255}, kShown, 8},

    {CONTROL(txt_einzelpfad), &in<&Form1Ui::Frame3>, "", "", {QT_TRANSLATE_NOOP("AccessibleNames", "Einzelner Pfad")},
     {60, 120, 6855, 285}, kHidden, 13, {.back = kSinglePathBackground}},
    {CONTROL(cmd_einzel), &in<&Form1Ui::Frame3>, QT_TRANSLATE_NOOP("Form1", "Einzeln hinzufügen / bearbeiten"), "",
     {}, {0, 540, 1455, 495}, kShown, 15},
    {CONTROL(img_putin), &in<&Form1Ui::Frame3>, "", "", {QT_TRANSLATE_NOOP("AccessibleNames", "Pfad hinzufügen")},
     {6900, 0, 495, 510}, kHidden, 14, {.picture = QStyle::SP_ArrowLeft}},
    {CONTROL(cmd_del), &in<&Form1Ui::Frame3>, "", "delete this one",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Ausgewählte Pfade löschen")}, {1560, 600, 360, 360}, kShown, 16,
     {.picture = QStyle::SP_TrashIcon}},
    // Named by the window: its caption names the form it converts to.
    {CONTROL(cmd_DOS), &in<&Form1Ui::Frame3>, "DOS", "", {}, {2040, 480, 495, 255}, kShown, 17,
     {.font = ControlFont::SmallSerif}},
    {CONTROL(cmd_vista), &in<&Form1Ui::Frame3>, "", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Anführungszeichen setzen oder entfernen")}, {2040, 840, 285, 180}, kShown,
     19, {.picture = QStyle::SP_FileDialogDetailedView}},
    {CONTROL(cmd_rel), &in<&Form1Ui::Frame3>, QT_TRANSLATE_NOOP("Form1", "relativ zur Startposition"), "", {},
     {2580, 480, 1815, 255}, kShown, 18},
    {CONTROL(cmd_DirtoUNC), &in<&Form1Ui::Frame3>, "UNC", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "UNC: Laufwerksbuchstaben in Netzwerkpfade umwandeln")},
     {2400, 780, 555, 255}, kShown, 20, {.font = ControlFont::SmallSerif}},
    {CONTROL(cmd_UNCtoDir), &in<&Form1Ui::Frame3>, "no UNC", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "no UNC: Netzwerkpfade in Laufwerksbuchstaben umwandeln")},
     {3000, 780, 675, 255}, kShown, 21, {.font = ControlFont::SmallSerif}},
    {CONTROL(cmd_selshow), &in<&Form1Ui::Frame3>, "select", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "select: Suche einblenden")}, {3720, 780, 675, 255}, kShown, 22},
    {CONTROL(cmd_saveplace), &in<&Form1Ui::Frame3>, QT_TRANSLATE_NOOP("Form1", "dirnal.lst Speicherort"), "", {},
     {4500, 540, 1755, 495}, kShown, 23},
    {CONTROL(img_save), &in<&Form1Ui::Frame3>, "", QT_TRANSLATE_NOOP("Form1", "Speichern"), {}, {6300, 540, 465, 435},
     kShown, 24, {.picture = QStyle::SP_DialogSaveButton}},
    {CONTROL(img_Exit), &in<&Form1Ui::Frame3>, "", "EXIT", {QT_TRANSLATE_NOOP("AccessibleNames", "Programm beenden")},
     {6840, 540, 480, 480}, kShown, 25, {.picture = QStyle::SP_DialogCloseButton}},
    {CONTROL(lblStatus), &in<&Form1Ui::Frame3>, "Status", "",
     {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Statuszeile")}, {0, 1080, 1575, 255}, kShown, 0},
    {CONTROL(lblnumber), &in<&Form1Ui::Frame3>, "", "",
     {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Nummer des angewählten Eintrags")}, {1620, 1080, 735, 255},
     kShown, 0},
    {CONTROL(lbl_file), &in<&Form1Ui::Frame3>, "", "",
     {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Speicherort der dirnal.lst")}, {2400, 1080, 4935, 255}, kShown,
     0},
    {CONTROL(Label2), &in<&Form1Ui::Frame3>,
     QT_TRANSLATE_NOOP("Form1", "Pfade die diesen Namen enthalten selektieren:"), "", {}, {7680, 120, 2055, 435},
     kShown, 0},
    // Named by its heading, Label2.
    {CONTROL(txt_find), &in<&Form1Ui::Frame3>, "", "", {}, {7680, 540, 2415, 315}, kShown, 26},
    {CONTROL(cmd_deletethis), &in<&Form1Ui::Frame3>, "selection", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "selection: Pfade auswählen, die den Suchtext enthalten")},
     {7680, 900, 2415, 315}, kShown, 27},

    // On Linux Qt names a drive selector by the drive it shows; the
    // description says what it is.
    {CONTROL(Drive1), &in<&Form1Ui::frame_start>, "", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der Startposition"),
      QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der Startposition")},
     {120, 120, 2055, 315}, kShown, 9},
    {CONTROL(Label1), &in<&Form1Ui::frame_start>, QT_TRANSLATE_NOOP("Form1", "Startposition für Generierung"), "", {},
     {120, 480, 2115, 195}, kShown, 0, {.text = 0x404040}},
    {CONTROL(Dir1), &in<&Form1Ui::frame_start>, "",
     QT_TRANSLATE_NOOP("Form1", "Wählen Sie hier das Haupt-Verzeichnis deren Unterverzeichnisse in die Datei "
                                "dirnal.lst eingetragen werden sollen !"),
     {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisse der Startposition")}, {120, 720, 2055, 2340}, kShown, 11},
    {CONTROL(cmd_okstartpos), &in<&Form1Ui::frame_start>, "ok", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "ok: als Startposition übernehmen")}, {120, 3120, 2055, 315}, kShown, 12},
    {CONTROL(lbl_exitstart), &in<&Form1Ui::frame_start>, "X", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Startposition schließen")}, {2160, 120, 255, 255}, kShown, 10},

    {CONTROL(Label5), &in<&Form1Ui::Dateiauswahl>, " dirnal.lst Browser ", "", {}, {480, 0, 1755, 255}, kShown, 0,
     {.alignment = Qt::AlignCenter}},
    {CONTROL(lbl_X), &in<&Form1Ui::Dateiauswahl>, "X", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Dateiauswahl schließen")}, {2640, 0, 255, 255}, kShown, 2},
    {CONTROL(Drive_file), &in<&Form1Ui::Dateiauswahl>, "", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der dirnal.lst"),
      QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der dirnal.lst")},
     {120, 360, 2655, 315}, kShown, 3},
    {CONTROL(Dir_file), &in<&Form1Ui::Dateiauswahl>, "", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisse der dirnal.lst")}, {120, 720, 2655, 2115}, kShown, 4},
    {CONTROL(File_file), &in<&Form1Ui::Dateiauswahl>, "", "",
     {QT_TRANSLATE_NOOP("AccessibleNames", "Datei dirnal.lst")}, {120, 2880, 2655, 285}, kShown, 5},
    {CONTROL(cmd_hier), &in<&Form1Ui::Dateiauswahl>, QT_TRANSLATE_NOOP("Form1", "speichern"), "", {},
     {300, 2880, 2235, 255}, kHidden, 6},
};

#undef CONTROL

QColor colourOf(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
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

void applyLook(QWidget* widget, const Look& look)
{
    if (look.text != kNoColour || look.back != kNoColour) {
        // A text box's text and background are its text and base colours;
        // anything else has its window text on its window colour.
        const bool textBox = qobject_cast<QLineEdit*>(widget) != nullptr;
        QPalette palette = widget->palette();
        // On a fixed background the text is fixed too: a theme's own text
        // colour may be as light as the background.
        const std::uint32_t text = look.text == kNoColour && look.back != kNoColour ? kTextOnFixedBackground : look.text;
        if (text != kNoColour)
            palette.setColor(textBox ? QPalette::Text : QPalette::WindowText, colourOf(text));
        if (look.back != kNoColour) {
            palette.setColor(textBox ? QPalette::Base : QPalette::Window, colourOf(look.back));
            widget->setAutoFillBackground(!textBox);
        }
        widget->setPalette(palette);
    }
    if (look.font != ControlFont::Window)
        widget->setFont(fontOf(look.font));
    if (look.alignment)
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setAlignment(look.alignment);
    if (look.picture) {
        const QIcon icon = widget->style()->standardIcon(*look.picture);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setIcon(icon);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setPixmap(icon.pixmap(32));
    }
}

// Each caption with the letter that opens it (after "&"), as shown
// underlined; screen readers get it without the "&".
void buildMenus(QMainWindow& window, Form1Ui& ui)
{
    QMenu* file = window.menuBar()->addMenu(translated("Form1", QT_TRANSLATE_NOOP("Form1", "&Datei")));
    file->setObjectName(QStringLiteral("datei"));
    const char* const fileItems[] = {QT_TRANSLATE_NOOP("Form1", "Ö&ffnen"), QT_TRANSLATE_NOOP("Form1", "&speichern"),
                                     QT_TRANSLATE_NOOP("Form1", "speichern &unter..."), "E&XIT"};
    for (std::size_t i = 0; i < ui.dateis.size(); ++i) {
        ui.dateis[i] = file->addAction(translated("Form1", fileItems[i]));
        ui.dateis[i]->setObjectName(QStringLiteral("dateis_%1").arg(i));
    }
    ui.dateis[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui.dateis[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ui.dateis[3]->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)});

    QMenu* options = window.menuBar()->addMenu(translated("Form1", QT_TRANSLATE_NOOP("Form1", "&Optionen")));
    options->setObjectName(QStringLiteral("option"));
    const char* const optionItems[] = {
        QT_TRANSLATE_NOOP("Form1", "&Such-Startposition einstellen"),
        QT_TRANSLATE_NOOP("Form1", "dirnal.lst Speicher&ort festlegen"),
        QT_TRANSLATE_NOOP("Form1", "&vorige Eingabe einstellen"),
        QT_TRANSLATE_NOOP("Form1", "doppelte Einträge &löschen"),
        "&Dir to UNC",
        "&UNC to Dir",
        QT_TRANSLATE_NOOP("Form1", "&relativ zur Startposition"),
        QT_TRANSLATE_NOOP("Form1", "&nicht vorhandene Pfade auswählen"),
    };
    for (std::size_t i = 0; i < ui.optionens.size(); ++i) {
        ui.optionens[i] = options->addAction(translated("Form1", optionItems[i]));
        ui.optionens[i]->setObjectName(QStringLiteral("optionens_%1").arg(i));
    }

    ui.info = window.menuBar()->addAction(translated("Form1", QT_TRANSLATE_NOOP("Form1", "&INFO")));
    ui.info->setObjectName(QStringLiteral("info"));
    ui.info->setShortcut(QKeySequence(Qt::Key_F1));
}

}  // namespace

Form1Ui buildForm1(QMainWindow& window)
{
    window.setFont(windowFont());
    Form1Ui ui;
    ui.client = new QWidget(&window);
    ui.client->setObjectName(QStringLiteral("Form1.client"));
    window.setCentralWidget(ui.client);

    auto* enter = new EnterPressesButton(ui.client);
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : kControls) {
        QWidget* widget = row.make(ui, row.parent ? row.parent(ui) : ui.client, row);
        widget->setObjectName(QString::fromLatin1(row.name));
        widget->setGeometry(twipsRect(row.place.left, row.place.top, row.place.width, row.place.height));
        if (*row.toolTip)
            widget->setToolTip(translated("Form1", row.toolTip));
        applyLook(widget, row.look);
        widget->setVisible(row.visible);
        if (qobject_cast<QAbstractButton*>(widget))
            widget->installEventFilter(enter);
        if (row.tab > 0)
            tabOrder.emplace_back(row.tab, widget);
    }
    ui.Label2->setBuddy(ui.txt_find);
    // A path too long for its box keeps its beginning and its last folder.
    ui.lbl_suchstartpos->setElideMode(Qt::ElideMiddle);
    ui.lbl_file->setElideMode(Qt::ElideMiddle);
    // The panels lie over the path list.
    ui.frame_start->raise();
    ui.Dateiauswahl->raise();

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    buildMenus(window, ui);
    return ui;
}

}  // namespace dirnal::ui
