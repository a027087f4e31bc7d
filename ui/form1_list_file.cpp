// The main window's menus and its list file: saving, the list-file panel
// and reading, each handed to the session.
#include "ui/form1.h"
#include "ui/start_position_panel.h"

namespace dirnal::ui {

void Form1::dateis(int index)
{
    if (walking_)  // a menu item, too, can be pressed without an input event
        return;
    switch (index) {
    case 0:  // "Öffnen"
        showListFilePanel(ListFilePanel::Mode::Open);
        break;
    case 1:  // "speichern"
        save();
        break;
    case 2:  // "speichern unter..."
        showListFilePanel(ListFilePanel::Mode::Save);
        break;
    case 3:  // "EXIT"
        leaveApplication();
        break;
    default:
        break;
    }
}

void Form1::optionens(int index)
{
    if (walking_)
        return;
    switch (index) {
    case 0:  // "Such-Startposition einstellen", as the button does
        frame_start_->show();
        break;
    case 1:  // "dirnal.lst Speicherort festlegen", as the button does
        showListFilePanel(ListFilePanel::Mode::Save);
        break;
    case 2:  // "vorige Eingabe einstellen"
        restorePreviousInput();
        break;
    case 3:  // "doppelte Einträge löschen"
        deleteDoubleEntries();
        break;
    case 4:  // "Dir to UNC": as its button, but both buttons stay as they are
        convertToNetworkShares();
        break;
    case 5:  // "UNC to Dir"
        convertToDriveLetters();
        break;
    case 6:  // "relativ zur Startposition", as the button does
        makeRelative();
        break;
    default:
        break;
    }
}

void Form1::save()
{
    session_->save(*dialogs_);
    showLabels();
}

void Form1::showListFilePanel(ListFilePanel::Mode mode)
{
    Dateiauswahl_->showFor(mode);
}

void Form1::saveIntoChosenDirectory()
{
    if (walking_)  // the list is being made: nothing to save yet
        return;
    Dateiauswahl_->hide();
    // A folder that did not take the file keeps the panel, for another choice.
    if (!session_->saveInto(Dateiauswahl_->directory(), *dialogs_))
        Dateiauswahl_->show();
    showLabels();
}

void Form1::readChosenListFile()
{
    if (walking_)
        return;
    session_->readChosenListFile(Dateiauswahl_->directory(), Dateiauswahl_->chosenFileName(), *dialogs_);
    Dateiauswahl_->hide();
    showSession();
}

}  // namespace dirnal::ui
