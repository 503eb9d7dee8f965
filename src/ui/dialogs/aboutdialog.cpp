#include "ui/dialogs/aboutdialog.h"

#include "appversion.h"
#include "ui/apptexts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame *line(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Line1"));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(AppVersion::major).arg(AppVersion::minor).arg(AppVersion::patch);
}

} // namespace

AboutDialog::AboutDialog()
    : SideWindow(QStringLiteral("frmAbout"), QStringLiteral("Informazioni su ") + AppTexts::programName())
{
    QLabel *title = boldLabel(QStringLiteral("lblTitle"), AppTexts::programName());
    QFont big = title->font();
    big.setPixelSize(18);
    title->setFont(big);
    QLabel *version = m_version = boldLabel(QStringLiteral("lblVersion"));
    QLabel *library = boldLabel(QStringLiteral("Label1"), QStringLiteral("Glyphmux.dll"));
    QLabel *author = m_author = boldLabel(QStringLiteral("Label2"));
    QLabel *engine = m_engine = boldLabel(QStringLiteral("lblDisclaimer"));
    for (QLabel *label : {version, library, author, engine})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *address = new QLineEdit(supportAddress(), this);
    address->setObjectName(QStringLiteral("Text1"));
    address->setReadOnly(true);
    address->setCursorPosition(0);
    address->setMinimumWidth(address->fontMetrics().horizontalAdvance(supportAddress()) + 16);

    m_ok = okButton(QStringLiteral("cmdOK"));

    QHBoxLayout *buttons = buttonRow(m_ok, false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(library);
    layout->addSpacing(6);
    layout->addWidget(line(this));
    layout->addSpacing(6);
    layout->addWidget(author);
    layout->addWidget(engine);
    layout->addSpacing(4);
    layout->addWidget(address);
    layout->addSpacing(6);
    layout->addWidget(line(this));
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
}

void AboutDialog::retranslate()
{
    SideWindow::retranslate();
    //: About %1
    setWindowTitle(tr("Informazioni su %1").arg(AppTexts::programName()));
    //: Version %1
    m_version->setText(tr("Versione %1").arg(versionNumber()));
    //: Program: the Glyphmux GUI team
    m_author->setText(tr("Programma: il gruppo di Glyphmux GUI"));
    //: Font engine: the authors of Glyphmux
    m_engine->setText(tr("Motore dei font: gli autori di Glyphmux"));
}

QString AboutDialog::supportAddress()
{
    return QStringLiteral("https://forum.example.org/home/forum/index.php?showtopic=2417&st=0");
}
