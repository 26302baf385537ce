#include "ui/CompareDialog.h"

#include "ui/SettingLabels.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

TCompareDialog::TCompareDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(tr("Compare With QUILMOX"));
    resize(560, 360);

    SummaryLabel = new QLabel(this);
    DifferencesTable = new QTableWidget(0, 3, this);
    DifferencesTable->setObjectName(QStringLiteral("DifferencesTable"));
    DifferencesTable->setHorizontalHeaderLabels({ tr("Setting"), tr("Form"), QStringLiteral("QUILMOX") });
    DifferencesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DifferencesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    DifferencesTable->verticalHeader()->hide();
    DifferencesTable->horizontalHeader()->setStretchLastSection(true);
    DifferencesTable->setAccessibleName(tr("Differences"));
    SummaryLabel->setBuddy(DifferencesTable);

    CopyButton = new QPushButton(tr("Copy"), this);
    LoadControllerButton = new QPushButton(tr("Load Controller Settings"), this);
    CloseButton = new QPushButton(tr("Close"), this);
    CopyButton->setObjectName(QStringLiteral("CopyButton"));
    LoadControllerButton->setObjectName(QStringLiteral("LoadControllerButton"));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton* button : { CopyButton, LoadControllerButton, CloseButton })
        button->setAutoDefault(false);
    CloseButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CopyButton);
    buttons->addStretch();
    buttons->addWidget(LoadControllerButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryLabel);
    layout->addWidget(DifferencesTable);
    layout->addLayout(buttons);

    const auto copy = [this] { QApplication::clipboard()->setText(TableText()); };
    connect(CopyButton, &QPushButton::clicked, this, copy);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, copy);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(LoadControllerButton, &QPushButton::clicked, this, [this] {
        accept();
        emit loadRequested();
    });
}

void TCompareDialog::ShowDifferences(const std::vector<SettingDifference>& differences)
{
    // Rows go in unsorted; the operator's sort applies once they are all there.
    DifferencesTable->setSortingEnabled(false);
    DifferencesTable->setRowCount(int(differences.size()));
    for (int row = 0; row < int(differences.size()); ++row) {
        const SettingDifference& difference = differences[std::size_t(row)];
        const Setting& setting = *difference.setting;
        const QString cells[] = { SettingLabel(setting), DisplayValue(setting, difference.first),
            DisplayValue(setting, difference.second) };
        for (int column = 0; column < 3; ++column)
            DifferencesTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    // No sort column until the operator picks one: enabling sorting would otherwise sort at once.
    DifferencesTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    DifferencesTable->resizeColumnsToContents();
    DifferencesTable->setSortingEnabled(true);
    SummaryLabel->setText(differences.size() == 1
            ? tr("One setting differs between the form and QUILMOX:")
            : tr("%1 settings differ between the form and QUILMOX:").arg(differences.size()));
    open();
}

QString TCompareDialog::TableText() const
{
    QStringList lines;
    QStringList header;
    for (int column = 0; column < DifferencesTable->columnCount(); ++column)
        header << DifferencesTable->horizontalHeaderItem(column)->text();
    lines << header.join('\t');
    for (int row = 0; row < DifferencesTable->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < DifferencesTable->columnCount(); ++column)
            cells << DifferencesTable->item(row, column)->text();
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}
