#pragma once

#include <QIdentityProxyModel>

// The file dialog's sizes and dates in the program's German locale. Qt's
// own file dialog formats them in the system's locale, which on a machine
// set to C or English gives "36 bytes" and "6 Dec 2026" beside German
// captions. A desktop's native dialog does not use it and follows the
// desktop instead.
class GermanFileDetails : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
