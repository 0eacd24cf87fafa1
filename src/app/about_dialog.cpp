#include "about_dialog.h"

#include "ui_about_dialog.h"

#include "tela_legend.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ui(std::make_unique<Ui::CAboutDlg>()) {
    m_ui->setupUi(this);
    telaApplyLegends(*this);
    m_ui->icon->setPixmap(QPixmap(QStringLiteral(":/icons/apicfg-32.png")));
    m_ui->versionLine->setText(m_ui->versionLine->text().arg(QStringLiteral(APICFG_VERSION)));
}

CAboutDlg::~CAboutDlg() = default;
