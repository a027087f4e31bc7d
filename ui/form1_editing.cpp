// The main window's editing commands: selection by search text, deletion
// of the selected entries, and single-path entry.
#include <QLabel>
#include <QLineEdit>

#include "core/list_editing.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/path_list_view.h"

namespace dirnal::ui {

void Form1::selectBySearchText()
{
    const int first = thisnot(list_, txt_find_->text().toStdString());
    // A search that finds something makes its first find the current entry,
    // as a click on it would: so a delete right after it removes what was
    // found, without a click in between.
    if (first >= 0)
        list_.setCurrentIndex(first);
    showPathList();
    if (first >= 0) {
        List1_->scrollTo(List1_->model()->index(first, 0));
        showEntryStatus(first);
    }
}

void Form1::deleteSelected()
{
    // Nothing is blanked before an entry was ever made current.
    if (!lblnumber_->text().isEmpty()) {
        lblStatus_->setText(tr("löschen..."));
        blankSelected(list_);
    }
    Leerz(list_);
    showPathList();
}

void Form1::enterEditMode()
{
    img_putin_->show();
    cmd_einzel_->hide();
    txt_einzelpfad_->show();
    QPalette palette = txt_einzelpfad_->palette();
    palette.setColor(QPalette::Base, QColor::fromRgb(kSinglePathBackground));
    txt_einzelpfad_->setPalette(palette);
}

void Form1::confirmSinglePath()
{
    img_putin_->hide();
    cmd_einzel_->show();
    txt_einzelpfad_->hide();
    const QString text = txt_einzelpfad_->text();
    if (text.isEmpty())
        return;
    if (!list_.append(text.toStdString())) {
        // The text stays in the box, so nothing typed is lost.
        dialogs_->inform(tr("Die Liste ist voll (%1 Einträge); der Pfad wurde nicht hinzugefügt.")
                             .arg(PathList::kMaxEntries));
        return;
    }
    showPathList();
}

}  // namespace dirnal::ui
