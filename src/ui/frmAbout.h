// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: product, version and terms, two acknowledgements, and four links that the
// desktop opens.
#pragma once

#include <QDialog>
#include <QHash>

class Desktop;
class QLabel;

class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(Desktop& desktop, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& caption, const QRectF& twips,
                     Qt::Alignment alignment);
    void addLink(const char* name, const QString& caption, const QString& address,
                 const QString& toolTip, const QRectF& twips, Qt::Alignment alignment);
    void fitLinks(int rightmost);
    void colourLinks();
    void Form_Load();
    void cmdExit_Click();
    void OpenURL(const QString& URI);

    Desktop& desktop_;
    QList<QLabel*> links_;
    QHash<const QObject*, QString> addresses_;
};
