// The differences between the form and the controller, one row per setting with both values: sortable, copyable
// as text, and with a way to take the controller's settings onto the form. Built the first time a compare finds a
// difference.
#pragma once

#include "config/SettingCatalogue.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class TCompareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TCompareDialog(QWidget* parent);

    // Fills the table, in catalogue order, and opens the dialog without waiting for it.
    void ShowDifferences(const std::vector<SettingDifference>& differences);
    // The header and every row in the order shown, tab-separated, one line each.
    QString TableText() const;

    QLabel* SummaryLabel = nullptr;
    QTableWidget* DifferencesTable = nullptr;
    QPushButton* CopyButton = nullptr;
    QPushButton* LoadControllerButton = nullptr;
    QPushButton* CloseButton = nullptr;

signals:
    // "Load Controller Settings": the controller's block is to go onto the form.
    void loadRequested();
};
