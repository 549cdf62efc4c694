#include "ui/colour_picker.h"

#include "ui/colours.h"

#include <QColorDialog>
#include <QWidget>

namespace numorra::ui {

DialogColourPicker::DialogColourPicker(QWidget* owner) : owner_(owner)
{
}

void DialogColourPicker::open(Colour current)
{
    colour_ = current;
    QColorDialog dialog(toQColor(colour_, owner_->palette()), owner_);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setWindowModality(Qt::ApplicationModal);
    // A desktop's own colour dialog (GTK's, say) keeps custom colours in
    // the desktop's settings; the toolkit's keeps them in memory.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted) {
        colour_ = fromQColor(dialog.selectedColor());
    }
}

} // namespace numorra::ui
