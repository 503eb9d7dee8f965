#include "ui/dialogs/fontdetailswindow.h"

#include "ui/fontmessages.h"

#include <QDialogButtonBox>
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
    for (const FontMessages::DetailRow &row : FontMessages::detailRows(FontDetails()))
        addRow(row.name, row.caption);
    //: Missing characters:
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
    //: Font details: %1 (the slot)
    setWindowTitle(tr("Dettagli del font: %1").arg(slotName));
    const auto set = [this](const char *field, const QString &text) {
        findChild<QLabel *>(QLatin1String(field))->setText(text.isEmpty() ? QStringLiteral("-") : text);
    };
    for (const FontMessages::DetailRow &row : FontMessages::detailRows(d))
        set(row.name, row.value);
    set("detailsMissing", missing);
    adjustSize();
    show();
    raise();
    activateWindow();
}
