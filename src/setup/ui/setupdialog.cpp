#include "setupdialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStyle>

#include "fieldkeys.h"
#include "logodialog.h"
#include "data/messageservice.h"
#include "setup/options.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "ui_setupdialog.h"
#include "tools/ui/iconsonshow.h"

namespace {

constexpr int TitleMaxLength = 25;
constexpr int BlockTextMaxLength = 240;
constexpr int ReportLayoutPage = 3;

// A multi-line text as the store holds it counts each line break as two characters.
int storedLength(const QString &text)
{
    const auto breaks = text.count(QLatin1Char('\n')) + text.count(QChar::ParagraphSeparator);
    return static_cast<int>(text.size() + breaks);
}

} // namespace

SetupDialog::SetupDialog(AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_ui(std::make_unique<Ui::SetupDialog>())
{
    m_ui->setupUi(this);
    setStandardIconOnShow(m_ui->GoBack_button, QStyle::SP_ArrowLeft);
    setStandardIconOnShow(m_ui->NextButton, QStyle::SP_ArrowRight);
    m_ui->NextButton->setLayoutDirection(Qt::RightToLeft); // glyph on the right
    m_ui->NOTE3->installEventFilter(this);
    bindFields();

    connect(m_ui->GoBack_button, &QPushButton::clicked, this, &SetupDialog::goBack);
    connect(m_ui->NextButton, &QPushButton::clicked, this, &SetupDialog::nextPage);
    connect(m_ui->cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->SelectBtn, &QPushButton::clicked, this, &SetupDialog::save);
    connect(m_ui->BitBtn20, &QPushButton::clicked, this, &SetupDialog::reset);
    connect(m_ui->VIEWLOGO, &QPushButton::clicked, this, &SetupDialog::viewLogo);
    m_ui->PageControl->setCurrentIndex(0);
}

SetupDialog::~SetupDialog() = default;

// Every field writes through to the program's setup fields as it changes: the report prints the
// company and preparer texts as they stand in the dialog, OK or not.
void SetupDialog::bindFields()
{
    SetupFields &f = m_state.setupFields;
    auto bindCheck = [this](QCheckBox *box, bool &target) {
        connect(box, &QCheckBox::toggled, this, [this, &target](bool on) {
            if (!m_filling)
                target = on;
        });
    };
    auto bindLine = [this](QLineEdit *edit, QString &target) {
        connect(edit, &QLineEdit::textChanged, this, [this, &target](const QString &text) {
            if (!m_filling)
                target = text;
        });
    };
    auto bindBlock = [this](QPlainTextEdit *edit, QString &target) {
        edit->installEventFilter(this);
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, &target] {
            if (!m_filling)
                target = edit->toPlainText();
        });
    };

    m_flags = {m_ui->L1, m_ui->L2, m_ui->L3, m_ui->L4, m_ui->L5, m_ui->L6, m_ui->L7};
    for (int i = 0; i < 7; ++i)
        bindCheck(m_flags[i], f.flags[i]);
    for (int t = 0; t < EfficiencyTableCount; ++t) {
        for (int i = 0; i < FlowStepCount; ++i) {
            auto *field = findChild<QLineEdit *>(tableItem(static_cast<EfficiencyTable>(t), i));
            Q_ASSERT(field);
            field->installEventFilter(this);
            bindLine(field, f.tables[t][i]);
            m_factors[t][i] = field;
        }
    }
    bindCheck(m_ui->DAMPERSELECT, f.damperSelect);
    bindCheck(m_ui->INLETVANESELECT, f.inletVaneSelect);
    bindCheck(m_ui->VALVESELECT, f.valveSelect);
    bindCheck(m_ui->CUST1SELECT, f.cust1Select);
    bindCheck(m_ui->CUST2SELECT, f.cust2Select);
    m_ui->CustomTitle1->installEventFilter(this); // 25 typed characters; a longer stored title stays whole
    m_ui->CustomTitle2->installEventFilter(this);
    bindLine(m_ui->CustomTitle1, f.customTitle1);
    bindLine(m_ui->CustomTitle2, f.customTitle2);
    bindLine(m_ui->LOGOFILEN, f.logoFileName);
    bindLine(m_ui->Closing_Line1, f.closingLine1);
    bindLine(m_ui->Closing_Line2, f.closingLine2);
    bindBlock(m_ui->CompanyInfo, f.company);
    bindBlock(m_ui->PRBY, f.preparer);
}

void SetupDialog::setLogoDialog(LogoDialog *dialog) { m_logoDialog = dialog; }

void SetupDialog::openOnReportLayout()
{
    m_ui->PageControl->setCurrentIndex(ReportLayoutPage);
    exec();
}

void SetupDialog::goBack()
{
    if (m_ui->PageControl->currentIndex() > 0)
        m_ui->PageControl->setCurrentIndex(m_ui->PageControl->currentIndex() - 1);
}

void SetupDialog::nextPage()
{
    if (m_ui->PageControl->currentIndex() < m_ui->PageControl->count() - 1)
        m_ui->PageControl->setCurrentIndex(m_ui->PageControl->currentIndex() + 1);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) { // an opening, not the window system showing it again
        FillSetupFields(m_state.store, m_state.options, m_state.setupFields);
        fieldsToWidgets();
    }
    QDialog::showEvent(event);
}

void SetupDialog::fieldsToWidgets()
{
    const SetupFields &f = m_state.setupFields;
    m_filling = true;
    for (int i = 0; i < 7; ++i)
        m_flags[i]->setChecked(f.flags[i]);
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            m_factors[t][i]->setText(f.tables[t][i]);
    m_ui->CustomTitle1->setText(f.customTitle1);
    m_ui->CustomTitle2->setText(f.customTitle2);
    m_ui->DAMPERSELECT->setChecked(f.damperSelect);
    m_ui->INLETVANESELECT->setChecked(f.inletVaneSelect);
    m_ui->VALVESELECT->setChecked(f.valveSelect);
    m_ui->CUST1SELECT->setChecked(f.cust1Select);
    m_ui->CUST2SELECT->setChecked(f.cust2Select);
    m_ui->LOGOFILEN->setText(f.logoFileName);
    m_ui->LOGOFILEN->setToolTip(f.logoFileName);
    m_ui->Closing_Line1->setText(f.closingLine1);
    m_ui->Closing_Line2->setText(f.closingLine2);
    m_ui->PRBY->setPlainText(f.preparer);
    m_ui->CompanyInfo->setPlainText(f.company);
    m_filling = false;
}

void SetupDialog::widgetsToFields()
{
    SetupFields &f = m_state.setupFields;
    for (int i = 0; i < 7; ++i)
        f.flags[i] = m_flags[i]->isChecked();
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            f.tables[t][i] = m_factors[t][i]->text();
    f.customTitle1 = m_ui->CustomTitle1->text();
    f.customTitle2 = m_ui->CustomTitle2->text();
    f.damperSelect = m_ui->DAMPERSELECT->isChecked();
    f.inletVaneSelect = m_ui->INLETVANESELECT->isChecked();
    f.valveSelect = m_ui->VALVESELECT->isChecked();
    f.cust1Select = m_ui->CUST1SELECT->isChecked();
    f.cust2Select = m_ui->CUST2SELECT->isChecked();
    f.logoFileName = m_ui->LOGOFILEN->text();
    f.closingLine1 = m_ui->Closing_Line1->text();
    f.closingLine2 = m_ui->Closing_Line2->text();
    f.preparer = m_ui->PRBY->toPlainText();
    f.company = m_ui->CompanyInfo->toPlainText();
}

bool SetupDialog::isFactorField(const QObject *object) const
{
    for (const auto &table : m_factors)
        for (const QLineEdit *field : table)
            if (field == object)
                return true;
    return false;
}

void SetupDialog::leaveFactorField(QLineEdit *field)
{
    const QString repaired = repairFactorField(field->text());
    if (repaired != field->text())
        field->setText(repaired);
}

void SetupDialog::save()
{
    // OK by its shortcut leaves no field: repair the one being edited so only checked texts are stored.
    if (isFactorField(focusWidget()))
        leaveFactorField(static_cast<QLineEdit *>(focusWidget()));
    widgetsToFields();
    Save_Opt(m_state.store, m_state.setupFields, m_state.options);
    // The options hold for this run either way; say so when they will not survive it.
    if (!m_state.store.lastWriteOk())
        m_state.messages.warning(QStringLiteral("The program settings could not be saved. They apply until the program is closed."));
    accept();
}

void SetupDialog::reset()
{
    ResetEfficiencyDefaults(m_state.options, m_state.setupFields);
    m_filling = true;
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            m_factors[t][i]->setText(m_state.setupFields.tables[t][i]);
    m_filling = false;
}

void SetupDialog::viewLogo()
{
    m_state.options.logoFileName = m_ui->LOGOFILEN->text();
    if (!m_logoDialog)
        return;
    m_logoDialog->exec();
    if (m_logoDialog->accepted())
        m_ui->LOGOFILEN->setText(m_state.options.logoFileName);
    m_ui->LOGOFILEN->setToolTip(m_state.options.logoFileName);
}

bool SetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->NOTE3) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_ui->PageControl->setCurrentIndex(ReportLayoutPage);
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        if (key.key() == Qt::Key_Escape)
            return false; // Go Back, handled by the dialog
        if (isFactorField(watched))
            return !numberKeyPasses(key);
        if (watched == m_ui->CustomTitle1 || watched == m_ui->CustomTitle2) {
            const auto *title = static_cast<QLineEdit *>(watched);
            return typingExceedsLimit(key, static_cast<int>(title->text().size()),
                                      static_cast<int>(title->selectedText().size()), TitleMaxLength);
        }
        if (watched == m_ui->CompanyInfo || watched == m_ui->PRBY) {
            const auto *edit = static_cast<QPlainTextEdit *>(watched);
            return typingExceedsLimit(key, storedLength(edit->toPlainText()),
                                      storedLength(edit->textCursor().selectedText()), BlockTextMaxLength);
        }
    }
    if (event->type() == QEvent::FocusOut && isFactorField(watched))
        leaveFactorField(static_cast<QLineEdit *>(watched));
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape is the Go Back key here, as on the bottom bar.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        goBack();
        return;
    }
    QDialog::keyPressEvent(event);
}
