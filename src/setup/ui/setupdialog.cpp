#include "setupdialog.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "fieldkeys.h"
#include "logodialog.h"
#include "reportthumbnail.h"
#include "setup/options.h"
#include "shell/appstate.h"

namespace {

constexpr int TitleMaxLength = 25;
constexpr int ClosingLineMaxLength = 80;
constexpr int BlockTextMaxLength = 240;
constexpr int FieldWidth = 56;

QLabel *heading(const QString &text, QWidget *parent, bool underline = false)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    font.setUnderline(underline);
    label->setFont(font);
    return label;
}

QLabel *columnHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString flowText(int step) { return QStringLiteral("%1 %").arg((10 - step) * 10); }

// A multi-line text as the store holds it counts each line break as two characters.
int storedLength(const QString &text)
{
    const auto breaks = text.count(QLatin1Char('\n')) + text.count(QChar::ParagraphSeparator);
    return static_cast<int>(text.size() + breaks);
}

} // namespace

SetupDialog::SetupDialog(AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state)
{
    setObjectName(QStringLiteral("SetupDialog"));
    setWindowTitle(QStringLiteral("Program Setup"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl"));
    buildPreferencesPage();
    buildEfficiencyPage();
    buildCustomPage();
    buildReportLayoutPage();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    buildBottomBar();
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_pages->setCurrentIndex(0);
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::buildPreferencesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Preferences"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(heading(QStringLiteral("Program Preferences:"), page, true));
    layout->addSpacing(8);

    struct FlagDef
    {
        int number;
        const char *caption;
        const char *hint;
    };
    const FlagDef defs[] = {
        {1, "Show Customer Information on final report",
         "Check to show customer information on the veriro zarired uviduzudu report."},
        {3, "Use custom logo", "Select your own company logo."},
        {6, "Welcome message", "When checked welcome message will appear when program is started."},
        {7, "Use  paper with pre-printed letterhead", "Check when you are using paper with pre-printed letterhead"},
        {5, "Automatic Quote Follow Up Check during start-up", ""},
        {4, "Round of prices on final quote (price = $100, instead of $100.41)", ""},
        {2, "Show Title", "Energy Estimation Report Title"}, // shown on the report layout page
    };
    for (const FlagDef &def : defs) {
        auto *box = new QCheckBox(QLatin1String(def.caption), page);
        box->setObjectName(QStringLiteral("L%1").arg(def.number));
        box->setToolTip(QLatin1String(def.hint));
        m_flags[def.number - 1] = box;
        const int index = def.number - 1;
        connect(box, &QCheckBox::toggled, this, [this, index](bool on) {
            if (!m_filling)
                m_state.setupFields.flags[index] = on;
        });
        if (def.number == 2)
            continue;
        if (def.number == 3) {
            auto *row = new QHBoxLayout;
            row->addWidget(box);
            auto *link = new QLabel(QStringLiteral("Click here to setup your logo."), page);
            link->setObjectName(QStringLiteral("NOTE3"));
            link->setToolTip(QStringLiteral("Click here to change the energy estimation report layout."));
            link->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
            link->setCursor(Qt::PointingHandCursor);
            link->installEventFilter(this);
            row->addSpacing(16);
            row->addWidget(link);
            row->addStretch();
            layout->addLayout(row);
        } else {
            layout->addWidget(box);
        }
        if (def.number == 4 || def.number == 5)
            box->hide();
    }
    layout->addStretch();
    m_pages->addTab(page, QStringLiteral("Preferences"));
}

QLineEdit *SetupDialog::makeFactorField(int table, int step, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(tableItem(static_cast<EfficiencyTable>(table), step));
    field->setFixedWidth(FieldWidth);
    field->setAlignment(Qt::AlignRight);
    field->setContextMenuPolicy(Qt::NoContextMenu); // no pasting past the key filter
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this, table, step](const QString &text) {
        if (!m_filling)
            m_state.setupFields.tables[table][step] = text;
    });
    m_factors[table][step] = field;
    return field;
}

void SetupDialog::buildEfficiencyPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("EfficiencySetup"));
    auto *outer = new QVBoxLayout(page);
    outer->addWidget(heading(QStringLiteral("Efficiency Setup"), page));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(3);
    grid->addWidget(columnHeading(QStringLiteral("Flow"), page), 0, 0);
    grid->addWidget(columnHeading(QStringLiteral("VFD / Inverter\nEfficiency"), page), 0, 1);
    grid->addWidget(columnHeading(QStringLiteral("Damp./Valve\nEFF."), page), 0, 2);
    grid->addWidget(columnHeading(QStringLiteral("Inlet\nVane\nEFF."), page), 0, 3);
    grid->addWidget(columnHeading(QStringLiteral("Valve\nEFF."), page), 0, 4);
    for (int step = 0; step < FlowStepCount; ++step) {
        auto *flow = new QLabel(flowText(step), page);
        flow->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(flow, step + 1, 0);
        for (int table = 0; table < 4; ++table) {
            QLineEdit *field = makeFactorField(table, step, page);
            grid->addWidget(field, step + 1, table + 1, Qt::AlignHCenter);
            if (table == 0 && step > 0)
                field->hide(); // only the drive efficiency at full flow is used
        }
    }
    auto makeSelect = [this, page](const char *name, bool SetupFields::*member) {
        auto *box = new QCheckBox(QStringLiteral("Selected"), page);
        box->setObjectName(QLatin1String(name));
        box->hide(); // kept for the store; no estimation reads it
        connect(box, &QCheckBox::toggled, this, [this, member](bool on) {
            if (!m_filling)
                m_state.setupFields.*member = on;
        });
        return box;
    };
    m_damperSelect = makeSelect("DAMPERSELECT", &SetupFields::damperSelect);
    m_inletVaneSelect = makeSelect("INLETVANESELECT", &SetupFields::inletVaneSelect);
    m_valveSelect = makeSelect("VALVESELECT", &SetupFields::valveSelect);
    grid->addWidget(m_damperSelect, 11, 2);
    grid->addWidget(m_inletVaneSelect, 11, 3);
    grid->addWidget(m_valveSelect, 11, 4);

    auto *reset = new QPushButton(QStringLiteral("&Reset"), page);
    reset->setObjectName(QStringLiteral("BitBtn20"));
    reset->setToolTip(QStringLiteral("Reset efficiency values to default."));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &SetupDialog::reset);

    auto *row = new QHBoxLayout;
    row->addLayout(grid);
    row->addStretch();
    auto *side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(reset);
    row->addLayout(side);
    outer->addLayout(row);
    outer->addStretch();
    m_pages->addTab(page, QStringLiteral("Efficiency Setup"));
}

void SetupDialog::buildCustomPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("CustomEfficiency"));
    auto *outer = new QVBoxLayout(page);
    outer->addWidget(heading(QStringLiteral("Efficiency Setup"), page));
    auto *columns = new QHBoxLayout;
    for (int n = 1; n <= 2; ++n) {
        const QString name = QStringLiteral("Custom Control %1").arg(n);
        const int table = n == 1 ? static_cast<int>(EfficiencyTable::Custom1) : static_cast<int>(EfficiencyTable::Custom2);
        auto *column = new QVBoxLayout;
        auto *top = new QHBoxLayout;
        top->addWidget(columnHeading(name, page));
        auto *select = new QCheckBox(QStringLiteral("Selected"), page);
        select->setObjectName(QStringLiteral("CUST%1SELECT").arg(n));
        select->setToolTip(QStringLiteral("Click here to select custom control method"));
        bool SetupFields::*member = n == 1 ? &SetupFields::cust1Select : &SetupFields::cust2Select;
        connect(select, &QCheckBox::toggled, this, [this, member](bool on) {
            if (!m_filling)
                m_state.setupFields.*member = on;
        });
        (n == 1 ? m_cust1Select : m_cust2Select) = select;
        top->addStretch();
        top->addWidget(select);
        column->addLayout(top);

        auto *panel = new QGroupBox(name, page);
        panel->setObjectName(QStringLiteral("CustomPanel%1").arg(n));
        auto *grid = new QGridLayout(panel);
        grid->setVerticalSpacing(3);
        grid->addWidget(new QLabel(QStringLiteral("Title:"), panel), 0, 0);
        auto *title = new QLineEdit(panel);
        title->setObjectName(QStringLiteral("CustomTitle%1").arg(n));
        title->setToolTip(QStringLiteral("Enter custom control title here"));
        title->installEventFilter(this); // 25 typed characters; a longer stored title stays whole
        QString SetupFields::*titleMember = n == 1 ? &SetupFields::customTitle1 : &SetupFields::customTitle2;
        connect(title, &QLineEdit::textChanged, this, [this, titleMember](const QString &text) {
            if (!m_filling)
                m_state.setupFields.*titleMember = text;
        });
        (n == 1 ? m_title1 : m_title2) = title;
        grid->addWidget(title, 0, 1, 1, 2);
        grid->addWidget(columnHeading(QStringLiteral("Flow"), panel), 1, 0);
        grid->addWidget(columnHeading(QStringLiteral("Efficiency"), panel), 1, 1);
        for (int step = 0; step < FlowStepCount; ++step) {
            auto *flow = new QLabel(flowText(step), panel);
            flow->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(flow, step + 2, 0);
            grid->addWidget(makeFactorField(table, step, panel), step + 2, 1, Qt::AlignHCenter);
        }
        grid->setColumnStretch(2, 1);
        column->addWidget(panel);
        columns->addLayout(column);
    }
    outer->addLayout(columns);
    outer->addStretch();
    m_pages->addTab(page, QStringLiteral("Custom Efficiency"));
}

void SetupDialog::buildReportLayoutPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("ReportLayout"));
    auto *grid = new QGridLayout(page);

    auto *thumbnail = new ReportThumbnail(page);
    grid->addWidget(thumbnail, 0, 0, 4, 1, Qt::AlignTop);

    auto makeBlock = [this, page](const char *name, QString SetupFields::*member) {
        auto *edit = new QPlainTextEdit(page);
        edit->setObjectName(QLatin1String(name));
        edit->setToolTip(QStringLiteral("Information that will be shown on the energy estimation report"));
        edit->setTabChangesFocus(true);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFixedSize(200, 96);
        edit->installEventFilter(this);
        // The report prints these two texts as they stand in the dialog, OK or not.
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, member] {
            if (!m_filling)
                m_state.setupFields.*member = edit->toPlainText();
        });
        return edit;
    };
    m_company = makeBlock("CompanyInfo", &SetupFields::company);
    m_preparer = makeBlock("PRBY", &SetupFields::preparer);

    auto labelWithBadge = [page](const QString &text, int badge) {
        auto *row = new QHBoxLayout;
        row->addWidget(new NumberBadge(badge, page));
        row->addWidget(new QLabel(text, page));
        row->addStretch();
        return row;
    };
    grid->addWidget(m_company, 0, 1);
    grid->addWidget(m_preparer, 0, 2);
    grid->addLayout(labelWithBadge(QStringLiteral("Company Address Information"), 1), 1, 1);
    grid->addLayout(labelWithBadge(QStringLiteral("Prepared by"), 2), 1, 2);

    grid->addWidget(m_flags[1], 2, 1, 1, 2);

    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(new QLabel(QStringLiteral("Custom Logo Filename:"), page));
    m_logoFile = new QLineEdit(page);
    m_logoFile->setObjectName(QStringLiteral("LOGOFILEN"));
    m_logoFile->setToolTip(QStringLiteral("Custom logo file selected"));
    connect(m_logoFile, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_filling)
            m_state.setupFields.logoFileName = text;
    });
    logoRow->addWidget(m_logoFile, 1);
    auto *logoBlock = new QVBoxLayout;
    logoBlock->addLayout(logoRow);
    auto *viewLogo = new QPushButton(QStringLiteral("&View/Select Company Logo"), page);
    viewLogo->setObjectName(QStringLiteral("VIEWLOGO"));
    viewLogo->setToolTip(QStringLiteral("View/Select company logo"));
    viewLogo->setAutoDefault(false);
    connect(viewLogo, &QPushButton::clicked, this, &SetupDialog::viewLogo);
    logoBlock->addWidget(viewLogo, 0, Qt::AlignLeft);
    grid->addLayout(logoBlock, 3, 1, 1, 2, Qt::AlignTop);

    auto makeClosing = [this, page](int n, QString SetupFields::*member) {
        auto *edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("Closing_Line%1").arg(n));
        edit->setToolTip(QStringLiteral("Enter report closing line %1").arg(n));
        edit->setMaxLength(ClosingLineMaxLength);
        edit->hide(); // kept for the store; no report prints it
        connect(edit, &QLineEdit::textChanged, this, [this, member](const QString &text) {
            if (!m_filling)
                m_state.setupFields.*member = text;
        });
        return edit;
    };
    m_closing1 = makeClosing(1, &SetupFields::closingLine1);
    m_closing2 = makeClosing(2, &SetupFields::closingLine2);
    grid->setRowStretch(3, 1);
    m_pages->addTab(page, QStringLiteral("Report Layout"));
}

void SetupDialog::buildBottomBar()
{
    auto *bar = new QHBoxLayout;
    auto makeButton = [this](const char *name, const QString &caption, const QString &hint) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        if (!hint.isEmpty())
            b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };
    auto *back = makeButton("GoBack_button", QStringLiteral("&Go Back"), QStringLiteral("Go back one page"));
    back->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto *next = makeButton("NextButton", QStringLiteral("&Next Page"), QStringLiteral("Go to next page"));
    next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    next->setLayoutDirection(Qt::RightToLeft); // glyph on the right
    auto *cancel = makeButton("cancel_button", QStringLiteral("&Cancel"), QString());
    auto *ok = makeButton("SelectBtn", QStringLiteral("&Ok"), QString());
    connect(back, &QPushButton::clicked, this, &SetupDialog::goBack);
    connect(next, &QPushButton::clicked, this, &SetupDialog::nextPage);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &SetupDialog::save);
    bar->addWidget(back);
    bar->addWidget(next);
    bar->addStretch();
    bar->addWidget(cancel);
    bar->addWidget(ok);
    static_cast<QVBoxLayout *>(layout())->addLayout(bar);
}

void SetupDialog::setLogoDialog(LogoDialog *dialog) { m_logoDialog = dialog; }

void SetupDialog::openOnReportLayout()
{
    m_pages->setCurrentIndex(3);
    exec();
}

void SetupDialog::goBack()
{
    if (m_pages->currentIndex() > 0)
        m_pages->setCurrentIndex(m_pages->currentIndex() - 1);
}

void SetupDialog::nextPage()
{
    if (m_pages->currentIndex() < m_pages->count() - 1)
        m_pages->setCurrentIndex(m_pages->currentIndex() + 1);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    if (event->spontaneous()) // the window system showing it again, not an opening
        return QDialog::showEvent(event);
    FillSetupFields(m_state.store, m_state.options, m_state.setupFields);
    fieldsToWidgets();
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
    m_title1->setText(f.customTitle1);
    m_title2->setText(f.customTitle2);
    m_damperSelect->setChecked(f.damperSelect);
    m_inletVaneSelect->setChecked(f.inletVaneSelect);
    m_valveSelect->setChecked(f.valveSelect);
    m_cust1Select->setChecked(f.cust1Select);
    m_cust2Select->setChecked(f.cust2Select);
    m_logoFile->setText(f.logoFileName);
    m_logoFile->setToolTip(f.logoFileName);
    m_closing1->setText(f.closingLine1);
    m_closing2->setText(f.closingLine2);
    m_preparer->setPlainText(f.preparer);
    m_company->setPlainText(f.company);
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
    f.customTitle1 = m_title1->text();
    f.customTitle2 = m_title2->text();
    f.damperSelect = m_damperSelect->isChecked();
    f.inletVaneSelect = m_inletVaneSelect->isChecked();
    f.valveSelect = m_valveSelect->isChecked();
    f.cust1Select = m_cust1Select->isChecked();
    f.cust2Select = m_cust2Select->isChecked();
    f.logoFileName = m_logoFile->text();
    f.closingLine1 = m_closing1->text();
    f.closingLine2 = m_closing2->text();
    f.preparer = m_preparer->toPlainText();
    f.company = m_company->toPlainText();
}

void SetupDialog::leaveFactorField(QLineEdit *field)
{
    const QString repaired = repairFactorField(field->text());
    if (repaired != field->text())
        field->setText(repaired);
}

void SetupDialog::save()
{
    // A field still holding focus has not been left yet: repair it so only checked texts are stored.
    if (auto *focused = qobject_cast<QLineEdit *>(focusWidget()))
        for (const auto &table : m_factors)
            for (QLineEdit *field : table)
                if (field == focused)
                    leaveFactorField(field);
    widgetsToFields();
    Save_Opt(m_state.store, m_state.setupFields, m_state.options);
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
    m_state.options.logoFileName = m_logoFile->text();
    if (!m_logoDialog)
        return;
    m_logoDialog->exec();
    if (m_logoDialog->accepted())
        m_logoFile->setText(m_state.options.logoFileName);
    m_logoFile->setToolTip(m_state.options.logoFileName);
}

bool SetupDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->objectName() == QLatin1String("NOTE3")) {
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pages->setCurrentIndex(3);
        return QDialog::eventFilter(watched, event);
    }
    if (auto *line = qobject_cast<QLineEdit *>(watched)) {
        const bool isTitle = line == m_title1 || line == m_title2;
        if (event->type() == QEvent::KeyPress) {
            const auto &key = *static_cast<QKeyEvent *>(event);
            if (isTitle)
                return typingExceedsLimit(key, static_cast<int>(line->text().size()),
                                          static_cast<int>(line->selectedText().size()), TitleMaxLength);
            if (key.key() == Qt::Key_Escape)
                return false; // Go Back, handled by the dialog
            return !numberKeyPasses(key);
        }
        if (event->type() == QEvent::FocusOut && !isTitle)
            leaveFactorField(line);
        return QDialog::eventFilter(watched, event);
    }
    if (auto *edit = qobject_cast<QPlainTextEdit *>(watched); edit && event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        const QString text = edit->toPlainText();
        const QString selected = edit->textCursor().selectedText();
        return typingExceedsLimit(key, storedLength(text), storedLength(selected), BlockTextMaxLength);
    }
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
