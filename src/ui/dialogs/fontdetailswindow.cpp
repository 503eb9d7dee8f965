#include "ui/dialogs/fontdetailswindow.h"

#include "ui/fontmessages.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FontDetailsWindow::FontDetailsWindow()
    : QWidget(nullptr, Qt::Dialog)
{
    setObjectName(QStringLiteral("fontDetails"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_form = new QFormLayout;
    m_form->setLabelAlignment(Qt::AlignRight);
    addRow("detailsFile", tr("File:"));
    addRow("detailsSize", tr("Dimensione:"));
    addRow("detailsFamily", tr("Famiglia:"));
    addRow("detailsSubfamily", tr("Stile:"));
    addRow("detailsFullName", tr("Nome completo:"));
    addRow("detailsVersion", tr("Versione:"));
    addRow("detailsCopyright", tr("Copyright:"));
    addRow("detailsLicence", tr("Licenza:"));
    addRow("detailsGlyphs", tr("Glifi:"));
    addRow("detailsOutlines", tr("Contorni:"));
    addRow("detailsOrigin", tr("Origine:"));
    addRow("detailsMissing", tr("Caratteri mancanti:"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
}

QLabel *FontDetailsWindow::addRow(const char *objectName, const QString &caption)
{
    auto *value = new QLabel(this);
    value->setObjectName(QLatin1String(objectName));
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setMaximumWidth(420);
    value->setWordWrap(true);
    m_form->addRow(caption, value);
    return value;
}

QString FontDetailsWindow::value(const QString &field) const
{
    const auto *label = findChild<QLabel *>(field);
    return label ? label->text() : QString();
}

void FontDetailsWindow::showDetails(const QString &slotName, const FontDetails &d, const QString &missing)
{
    setWindowTitle(tr("Dettagli del font: %1").arg(slotName));
    const auto set = [this](const char *field, const QString &text) {
        findChild<QLabel *>(QLatin1String(field))->setText(text.isEmpty() ? QStringLiteral("-") : text);
    };
    set("detailsFile", QDir::toNativeSeparators(d.path));
    set("detailsSize", d.fileSize ? FontMessages::fileSize(*d.fileSize) : QString());
    set("detailsFamily", d.family);
    set("detailsSubfamily", d.subfamily);
    set("detailsFullName", d.fullName);
    set("detailsVersion", d.version);
    set("detailsCopyright", d.copyright);
    set("detailsLicence", d.licence);
    set("detailsGlyphs", d.glyphCount ? QString::number(*d.glyphCount) : QString());
    QString outlines = FontMessages::outlineKind(d.outlines);
    if (!FontMessages::outlineWarning(d).isEmpty())
        outlines += QLatin1Char('\n') + tr("il motore dei font del telefono potrebbe non disegnarli");
    set("detailsOutlines", outlines);
    set("detailsOrigin", d.refusal == FontRefusal::None ? FontMessages::origin(d.installed)
                                                        : FontMessages::refusal(d.refusal, d.path));
    set("detailsMissing", missing);
    adjustSize();
    show();
    raise();
    activateWindow();
}
