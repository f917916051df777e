#include "power/banwin.h"

#include "core/msgcode.h"

#include "power/bnzfile.h"
#include "power/pwrwin.h"
#include "docfile/settings.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "text/tables.h"
#include "text/textprint.h"

#include <algorithm>
#include <cmath>

namespace quan {

// --- the table as the grid sees it -------------------------------------------------

class TBanWin::GridModel : public TableGridModel {
public:
    explicit GridModel(const BlocTable& t) : t_(t) {}
    int rowCount() const override { return t_.blocCount(); }
    int columnCount() const override { return BlocTable::kColumns; }
    bool columnShown(int c) const override { return c < 2 || t_.resultsValid(); }
    std::string nameHeading() const override { return t_.heading(BlocTable::kNameHeading); }
    std::string heading(int c) const override { return t_.heading(c); }
    std::string name(int row) const override
    {
        return t_.rowPrefix(row) + t_.displayName(t_.order()[static_cast<size_t>(row)]);
    }
    std::string cell(int row, int c) const override { return trimmed(t_.cellText(t_.order()[static_cast<size_t>(row)], c)); }
    std::string footer(int c) const override { return trimmed(t_.totalText(c)); }
    int nameChars() const override
    {
        return static_cast<int>(std::max(t_.nameWidth(), t_.heading(BlocTable::kNameHeading).size()));
    }
    int columnChars() const override { return t_.columnWidth(); }
    // The pivotal counts can have as many digits as the number of cases:
    // 2^n coalitions for Banzhaf, n! orders for Shapley-Shubik.
    int minimumChars(int c) const override
    {
        if (c != BlocTable::kPivotal)
            return columnChars();
        const double n = t_.blocCount();
        const double digits = t_.kind() == PowerKind::Shapley ? std::lgamma(n + 1) / std::log(10.0) : n * std::log10(2.0);
        return std::max(columnChars(), static_cast<int>(digits) + 1);
    }

private:
    static std::string trimmed(const std::string& s)
    {
        size_t a = s.find_first_not_of(' ');
        return a == std::string::npos ? "" : s.substr(a);
    }
    const BlocTable& t_;
};

// --- the opposition dialog -------------------------------------------------------------

TFeudDlg::TFeudDlg(TBanWin& owner) : TDlg("conflicting", owner.window()), owner_(owner) {}

void TFeudDlg::init(plat::Dialog& d)
{
    const BlocTable& t = owner_.table();
    for (int id : {First, Second}) {
        d.clearItems(id);
        for (int i = 0; i < t.blocCount(); ++i)
            d.addItem(id, t.bloc(i).name);
    }
    OppositionPair p = t.pair();
    d.setSelection(First, p.isSet() ? p.first : 0);
    d.setSelection(Second, p.isSet() ? p.second : 1);
}

bool TFeudDlg::button(plat::Dialog& d, int id)
{
    BlocTable& t = owner_.table();
    if (id == Conflict) {
        int code = t.setPair(d.selection(First), d.selection(Second));
        if (code) {
            owner_.message(code);
            return true;
        }
    } else if (id == NoConflict) {
        t.clearPair();
    } else {
        return false;
    }
    owner_.setChanged(true);
    owner_.tableChanged();
    d.end(plat::IdOk);
    return true;
}

// --- the window --------------------------------------------------------------------------

TBanWin::TBanWin(TQuanFrame* frame, DocInit init)
    : TVELWin(frame, std::move(init)), model_(std::make_unique<GridModel>(table_))
{
    for (int k = 0; k < 4; ++k)
        roles_[static_cast<size_t>(k)] = static_cast<int16_t>(kBlocTableColors[static_cast<size_t>(k)]);
}

TBanWin::~TBanWin() = default;

plat::Menu TBanWin::menuBar() const { return menuResource("BANMENU"); }
std::vector<plat::Accelerator> TBanWin::accelerators() const { return acceleratorResource("BANMENU"); }

std::string TBanWin::menuHelpName(int id) const
{
    switch (id) {
    case bancmd::HelpFile: return "QNBFILEH";
    case bancmd::HelpEdit: return "QNBEDITH";
    case bancmd::HelpCalc: return "QNBCALCH";
    case bancmd::HelpArrange: return "QNBARRH";
    case bancmd::HelpFormat: return "QNBFMTH";
    case bancmd::HelpMisc: return "QNBMISCH";
    default: return "";
    }
}

void TBanWin::setup()
{
    TVELWin::setup();
    window_->setGeometry(cascadePlace({400, 520}));
    fitWidth();
    updateMenu();
}

const TableGridModel& TBanWin::gridModel() const { return *model_; }

plat::Rect TBanWin::cellRect(int row, int col) const { return grid_.cellRect(*model_, row, col); }

void TBanWin::fitWidth()
{
    if (!window_)
        return;
    int charW = (font(0).pixelSize() * 3 + 4) / 5;
    int width = std::min(TableGrid::preferredWidth(*model_, charW) + 24,
                         plat::Platform::get().screenSize().w - 100);
    plat::Rect g = window_->geometry();
    window_->setGeometry({g.left, g.top, g.left + width, g.bottom});
}

std::string TBanWin::titleSuffix() const
{
    std::string kind = table_.kind() == PowerKind::Banzhaf ? "Banzhaf" : "Shapley";
    std::string t = " [" + kind + "; " + S(Str::Quota) + " " + formatInt(table_.quota()) + "]";
    if (autofeed_)
        t += "   " + S(Str::EscCancelsAutofeed);
    return t;
}

void TBanWin::updateMenu()
{
    if (!window_)
        return;
    using namespace bancmd;
    window_->checkMenuItem(ByName, table_.arrangeKey() == BlocTable::kByName);
    window_->checkMenuItem(ByWeight, table_.arrangeKey() == BlocTable::kByWeight);
    window_->checkMenuItem(Increasing, table_.increasing());
    window_->checkMenuItem(RowNumbers, table_.rowNumbers());
    window_->checkMenuItem(Banzhaf, table_.kind() == PowerKind::Banzhaf);
    window_->checkMenuItem(Shapley, table_.kind() == PowerKind::Shapley);
    window_->checkMenuItem(LargeUnit, table_.unit() == PowerUnit::Large);
    window_->checkMenuItem(SmallUnit, table_.unit() == PowerUnit::Small);
}

void TBanWin::tableChanged()
{
    if (window_)
        window_->invalidate();
    updateMenu();
    refreshTitle();
}

void TBanWin::report(int code)
{
    if (code)
        message(code);
    tableChanged();
}

void TBanWin::calculate(int how)
{
    Progress progress;
    progress.poll = [this] { return pollKey(); };
    std::string base = namePart(fileName_);
    progress.title = [this, base](const std::string& t) {
        setCaption(base + "  " + t);
        if (window_)
            window_->update();
    };
    int code = how == 0 ? table_.calcAllCases(progress)
             : how == 1 ? table_.calcMonteCarlo(progress)
                        : table_.calcExact(progress);
    report(code);
}

void TBanWin::paint(plat::DC& dc)
{
    grid_.setFont(font(0));
    const ColorChoices c = tableColors();
    TableGridColors colors;
    colors.background = color(c[0]);
    colors.text = color(c[1]);
    colors.names = color(c[2]);
    colors.heading = color(c[3]);
    grid_.draw(dc, *model_, window_ ? window_->clientSize() : plat::Size{640, 480}, colors);
    // Scroll bars show where rows or columns are out of view.
    if (window_)
        grid_.showScrollBars(*window_, *model_);
}

void TBanWin::scrolled(plat::ScrollBarKind which, int pos)
{
    if (grid_.scrolled(*model_, which, pos) && window_)
        window_->invalidate();
}

void TBanWin::mouse(const plat::MouseEvent& e)
{
    if (e.kind != plat::MouseEvent::Press || (e.button != 1 && e.button != 2))
        return;
    TableGrid::Hit h = grid_.hitTest(*model_, e.pos);
    if (!h.valid)
        return;
    if (!table_.cellEditable(h.row, h.col)) {
        message(Msg::CannotEditThis);
        return;
    }
    // A right click also starts autofeed, except in the column the table is
    // arranged by (the rows would move under the user's hands).
    bool keyColumn = (h.col < 0 && table_.arrangeKey() == BlocTable::kByName) ||
                     (h.col == BlocTable::kWeight && table_.arrangeKey() == BlocTable::kByWeight);
    editCell(h.row, h.col, e.button == 2 && !keyColumn);
}

void TBanWin::wheel(int notches)
{
    if (grid_.scrollRows(*model_, -3 * notches) && window_)
        window_->invalidate();
}

void TBanWin::keyDown(int key, bool, bool)
{
    if (grid_.key(*model_, key) && window_)
        window_->invalidate();
}

void TBanWin::editCell(int row, int col, bool autofeed)
{
    autofeed_ = autofeed;
    if (autofeed)
        refreshTitle();
    while (row >= 0 && row < table_.blocCount()) {
        int bloc = table_.order()[static_cast<size_t>(row)];
        bool name = col < 0;
        std::string text = name ? table_.bloc(bloc).name : formatReal(table_.bloc(bloc).value[0], 0, 0);
        std::string title = name ? table_.heading(BlocTable::kNameHeading) : table_.heading(BlocTable::kWeight);
        if (!inputText(title, table_.bloc(bloc).name, text, name ? BlocTable::kNameLength : 255))
            break;
        int code;
        if (name) {
            code = table_.setName(bloc, text, !autofeed);
        } else {
            Real w;
            if (!parseReal(text, w)) {
                message(Msg::CannotUnderstand);
                break;
            }
            code = table_.setWeight(bloc, w, !autofeed);
        }
        if (code) {
            message(code);
            break;
        }
        setChanged(true);
        closeWorksheet();
        tableChanged();
        if (!autofeed)
            break;
        ++row;
        grid_.ensureRowVisible(*model_, row);
    }
    // Autofeed edits leave the order alone while they run; sort once now.
    if (autofeed)
        table_.arrangeBy(table_.arrangeKey());
    autofeed_ = false;
    tableChanged();
}

void TBanWin::cmQuota()
{
    long long q = table_.quota();
    if (!inputInteger(Str::Input, Str::Quota, q) || q == table_.quota())
        return;
    int code = table_.setQuota(q);
    if (!code) {
        setChanged(true);
        closeWorksheet();
    }
    report(code);
}

void TBanWin::cmBlocCount()
{
    long long n = table_.blocCount();
    if (!inputInteger(Str::Input, Str::NumberOfBlocs, n) || n == table_.blocCount())
        return;
    int code = table_.setBlocCount(n);
    if (!code) {
        setChanged(true);
        closeWorksheet();
    }
    report(code);
}

void TBanWin::cmRange()
{
    if (!saveChangesGate())
        return;
    TDlg d("randomweights", window_.get());
    d.dialog().setText(ctl::Field1, std::to_string(table_.low()));
    d.dialog().setText(ctl::Field2, std::to_string(table_.high()));
    if (d.execute() != plat::IdOk)
        return;
    long long lo, hi;
    if (!parseInt(d.dialog().text(ctl::Field1), lo) || !parseInt(d.dialog().text(ctl::Field2), hi)) {
        message(Msg::CannotUnderstand);
        return;
    }
    const int code = table_.rangeOfWeights(lo, hi);
    if (!code) {
        setChanged(false);
        closeWorksheet();
    }
    report(code);
}

void TBanWin::cmColumnWidth()
{
    long long w = table_.columnWidth();
    if (!inputInteger(Str::Input, Str::ColumnWidth, w))
        return;
    int code = table_.setColumnWidth(w);
    if (!code)
        setChanged(true); // the width is kept in the document
    report(code);
}

void TBanWin::cmDeleteRows()
{
    long long a, b;
    if (!askRowRange(a, b))
        return;
    int code = table_.deleteRows(a, b);
    if (!code) {
        setChanged(true);
        closeWorksheet();
    }
    report(code);
}

void TBanWin::cmPrint()
{
    auto printer = plat::Platform::get().startPrinting(window_.get(), namePart(fileName_));
    if (!printer)
        return;
    TTextout out(printFormat_.horizontalOffset, printFormat_.verticalOffset, namePart(fileName_),
                 table_.textOut(), fontSlot(0).font, fontSlot(0).pointSize);
    // The heading line, the rule and the empty line start every page.
    out.setTable(3);
    if (out.print(*printer) < 0)
        ask(plat::MessageKind::Ok, S(Str::PrintJobFailed), S(Str::Hmm));
}

int TBanWin::readDocument(const std::string& path)
{
    BnzDocument doc = table_.save();
    doc.header = headerState();
    if (int code = readBnz(path, doc))
        return code;
    if (table_.load(doc))
        return codeOf(Msg::CannotOpenFile);
    applyHeaderState(doc.header);
    // The table's own colours must differ from each other to be seen.
    if (!colorChoicesValid(tableColors()))
        for (int k = 0; k < 4; ++k)
            setColorRole(k, kBlocTableColors[static_cast<size_t>(k)]);
    closeWorksheet();
    notebook().setNotes(doc.notebook);
    tableChanged();
    return 0;
}

bool TBanWin::writeDocument(const std::string& path)
{
    BnzDocument doc = table_.save();
    doc.header = headerState();
    doc.notebook = notebookText();
    return writeBnz(path, doc) == 0;
}

// Settings: the words of the first parameter block that "banz.ini" uses.
namespace {
constexpr int kWordColumnWidth = 12, kWordLow = 13, kWordHigh = 14;
} // namespace

void TBanWin::storeParameters(SettingsState& s) const
{
    s.first.ints[0][kWordColumnWidth] = table_.columnWidth();
    s.first.ints[0][kWordLow] = table_.low();
    s.first.ints[0][kWordHigh] = table_.high();
}

void TBanWin::loadParameters(const SettingsState& s)
{
    if (s.first.ints[0][kWordColumnWidth] > 0)
        table_.setColumnWidth(s.first.ints[0][kWordColumnWidth]);
    if (s.first.ints[0][kWordLow] > 0)
        table_.setRange(s.first.ints[0][kWordLow], s.first.ints[0][kWordHigh]);
}

void TBanWin::command(int id)
{
    using namespace bancmd;
    switch (id) {
    case AllCases: calculate(0); return;
    case MonteCarlo: calculate(1); return;
    case Exact: calculate(2); return;
    case Banzhaf: table_.setKind(PowerKind::Banzhaf); setChanged(true); break;
    case Shapley:
        table_.setKind(PowerKind::Shapley);
        setChanged(true);
        closeWorksheet();
        break;
    case LargeUnit: table_.setUnit(PowerUnit::Large); break;
    case SmallUnit: table_.setUnit(PowerUnit::Small); break;
    case Opposition: {
        TFeudDlg d(*this);
        d.execute();
        return;
    }
    case Quota: cmQuota(); return;
    case BlocCount: cmBlocCount(); return;
    case NewRandom:
        if (!saveChangesGate())
            return;
        table_.newRandom();
        setChanged(false);
        closeWorksheet();
        break;
    case Range: cmRange(); return;
    case DeleteRows: cmDeleteRows(); return;
    case ColumnWidth: cmColumnWidth(); return;
    case Notebook: cmNotebook(); return;
    case ByName: table_.arrangeBy(BlocTable::kByName); setChanged(true); break;
    case ByWeight: table_.arrangeBy(BlocTable::kByWeight); setChanged(true); break;
    case Increasing: table_.setIncreasing(!table_.increasing()); setChanged(true); break;
    case RowNumbers: table_.setRowNumbers(!table_.rowNumbers()); break;
    case TextOut: handText(table_.textOut()); return;
    case TexOutput: saveTexFile(*this, table_.texOutput()); return;
    case Calculations: showWorksheet(); return;
    case cm::Print: cmPrint(); return;
    default:
        TVELWin::command(id);
        if (id == textcmd::TableFont)
            tableChanged();
        return;
    }
    tableChanged();
}

// --- the calculations worksheet -------------------------------------------------------

ColorChoices TBanWin::tableColors() const
{
    ColorChoices c{};
    for (int k = 0; k < 4; ++k)
        c[static_cast<size_t>(k)] = colorRole(k);
    return c;
}

void TBanWin::colorsChanged()
{
    TVELWin::colorsChanged();
    if (window_)
        window_->invalidate();
}

bool TBanWin::worksheetOpen() const
{
    return pwrWin_ && pwrWin_->window() && pwrWin_->window()->isVisible();
}

void TBanWin::closeWorksheet()
{
    if (pwrWin_)
        pwrWin_->hideWorksheet();
}

void TBanWin::showWorksheet()
{
    if (table_.blocCount() > Worksheet::kMaxBlocs) {
        closeWorksheet();
        message(Msg::TooManyBlocs);
        return;
    }
    if (!pwrWin_) {
        DocInit init;
        init.readSettings = init_.readSettings;
        pwrWin_ = std::make_unique<TPwrWin>(frame_, init);
        pwrWin_->create();
        // Beside the table, so that both are seen, as far as the screen allows.
        if (window_ && pwrWin_->window()) {
            const plat::Rect mine = window_->geometry();
            const plat::Rect its = pwrWin_->window()->geometry();
            const plat::Size screen = plat::Platform::get().screenSize();
            const int left = std::clamp(mine.right + 8, 0, std::max(0, screen.w - its.width()));
            const int top = std::clamp(mine.top, 0, std::max(0, screen.h - 200));
            pwrWin_->window()->setGeometry({left, top, left + its.width(), top + its.height()});
        }
        // The worksheet's colour choices go with the document.
        pwrWin_->setColorsChanged([this](const ColorChoices& c) {
            table_.setWorksheetColors(c);
            setChanged(true);
        });
    }
    std::vector<std::string> names;
    for (int i = 0; i < table_.blocCount(); ++i)
        names.push_back(table_.bloc(i).name);
    pwrWin_->fill(table_.integerWeights(), names, table_.quota(), namePart(fileName_), table_.worksheetColors());
    table_.setWorksheetColors(pwrWin_->colorChoices());
    pwrWin_->window()->show();
    pwrWin_->window()->bringToTop();
}

void TBanWin::writeSettingsOnClose()
{
    TVELWin::writeSettingsOnClose();
    closeWorksheet();
}

// --- the Electoral College window ---------------------------------------------------

TPowWin::TPowWin(TQuanFrame* frame, DocInit init) : TBanWin(frame, std::move(init)) {}

plat::Menu TPowWin::menuBar() const { return menuResource("POWMENU"); }
std::vector<plat::Accelerator> TPowWin::accelerators() const { return acceleratorResource("POWMENU"); }

void TPowWin::closed()
{
    if (window_)
        window_->hide();
}

int TPowWin::fill(const std::vector<Real>& weights, const std::vector<std::string>& names,
                  const std::vector<int32_t>& figures)
{
    int code = table_.setBlocs(weights, names, figures);
    if (code)
        return code;
    setChanged(false);
    tableChanged();
    fitWidth();
    return 0;
}

void TPowWin::command(int id)
{
    // Close hides the window; the apportionment window keeps it.
    if (id == textcmd::Close) {
        if (window_)
            window_->hide();
        return;
    }
    // The Electoral College has no worksheet and no range of weights.
    if (id == bancmd::Calculations || id == bancmd::Range)
        return;
    TBanWin::command(id);
}

} // namespace quan
