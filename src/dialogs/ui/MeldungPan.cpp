#include "dialogs/ui/MeldungPan.h"

#include "platform/Colour.h"

#include <QLabel>

namespace qb {

void MeldungPanSetzen(QLabel& meldungPan, const QString& text, int colourNumber)
{
    QPalette palette = meldungPan.palette();
    palette.setColor(QPalette::Window, colour::classic(colourNumber));
    meldungPan.setPalette(palette);
    meldungPan.setAutoFillBackground(true);
    meldungPan.setText(text);
    meldungPan.setAccessibleName(text);
}

void MeldungPanLeeren(QLabel& meldungPan)
{
    MeldungPanSetzen(meldungPan, QString(), meldungGrau);
}

} // namespace qb
