#include "ui/dialogs/helpwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HelpWindow::HelpWindow()
    : SideWindow(QStringLiteral("helpWindow"), QString())
{
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("helpText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setFixedWidth(460);
    QPushButton *ok = okButton(QStringLiteral("helpOK"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(14);
    layout->addWidget(m_text);
    layout->addLayout(buttonRow(ok, false));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
}

void HelpWindow::retranslate()
{
    SideWindow::retranslate();
    setWindowTitle(tr("Glyphmux GUI help"));
    const QStringList paragraphs = {
        tr("Choose a TrueType file for each of the five phone fonts with the folder button of its row; the four "
           "phone screens above show at once how the phone would draw its texts. The red \"?\" of a row tells "
           "which texts that font draws."),
        tr("\"-\" and \"+\" step a font's size; Height, Italic and Width tune it further; Zoom and Chroma apply to "
           "every font. Height and Width are written as they stand, after \":Y\" and \":W\" on the font's line of "
           "Glyphmux.ini."),
        tr("File > Save to Glyphmux.ini (Ctrl+S) writes the file into the folder the editor was started from, or "
           "back to the file opened with File > Open (Ctrl+O). With \"Show information popup\" checked in the "
           "Settings menu, it first asks for the phone model, then lists the files to copy to the phone."),
        tr("File > Export for the phone gathers Glyphmux.ini, the font files and the engine's files in one "
           "folder, laid out as on the phone's C: drive, and says first what the phone may not be able to use."),
        tr("Settings > Language changes the language. Every control explains itself in a tooltip. F1 shows this "
           "window, the \"?\" menu the program's information."),
    };
    m_text->setText(paragraphs.join(QStringLiteral("\n\n")));
}
