#include "apportion/appwin.h"

#include "apportion/divwin.h"

#include "core/msgcode.h"

#include "apportion/census.h"
#include "core/fileio.h"
#include "apportion/horfile.h"
#include "power/banwin.h"
#include "docfile/settings.h"
#include "resources/rc.h"
#include "resources/strings.h"
#include "shell/quanframe.h"
#include "text/tables.h"
#include "text/textprint.h"

#include <algorithm>

namespace quan {

// --- the document ------------------------------------------------------------

TPreAppWin::TPreAppWin(TQuanFrame* frame, DocInit init) : TVELWin(frame, std::move(init)) {}

void TPreAppWin::handTextAs(const std::string& caption, const std::string& text)
{
    TTextWin& t = textWindow();
    textOut(t, caption, text);
    recordHandedText(caption, t.text());
}

int TPreAppWin::loadCensus(int k)
{
    int code = table_.loadCensus(k);
    if (code)
        return code;
    fileName_ = censusFileName(k);
    named_ = false;
    changed_ = false;
    tableChanged();
    return 0;
}

int TPreAppWin::readDocument(const std::string& path)
{
    // A file with fewer than nine headings keeps the table's own for the
    // headings it lacks: the reader leaves them as it finds them.
    HorDocument doc = table_.documentData();
    doc.header = headerState();
    const int code = readHor(path, doc);
    if (code == codeOf(Msg::CannotOpenFile))
        return codeOf(Msg::CannotOpenFile);
    if (code == codeOf(Msg::InconsistentData)) {
        // The table of such a file is not used: the 2010 census takes its
        // place, with the method, arrangement, direction and column width
        // that the file gave.
        message(Msg::InconsistentData);
        closeDivisorWindows();
        table_.loadCensus(kCensus2010);
        HorDocument census = table_.documentData();
        census.method = doc.method;
        census.key = doc.key;
        census.increasing = doc.increasing;
        census.columnWidth = doc.columnWidth;
        table_.loadDocument(census);
        // The census is shown under its own name, so that Save asks for a
        // name and never writes it over the file that was opened.
        fileName_ = censusFileName(kCensus2010);
        named_ = false;
        changed_ = false;
        readerNamedDocument_ = true;
        notebook().setNotes(doc.notebook);
        tableChanged();
        return 0;
    }
    AppTable fresh = table_;
    if (fresh.loadDocument(doc))
        return codeOf(Msg::CannotOpenFile);
    closeDivisorWindows();
    table_ = std::move(fresh);
    applyHeaderState(doc.header);
    notebook().setNotes(doc.notebook);
    tableChanged();
    return 0;
}

bool TPreAppWin::writeDocument(const std::string& path)
{
    HorDocument doc = table_.documentData();
    doc.header = headerState();
    doc.notebook = notebookText();
    return writeHor(path, doc) == 0;
}

// Settings: the words of the first parameter block that "hor.ini" uses.
namespace {
constexpr int kWordColumnWidth = 12, kWordQuotaPlaces = 13;
} // namespace
void TPreAppWin::storeParameters(SettingsState& s) const
{
    s.first.ints[0][kWordColumnWidth] = table_.columnWidth();
    s.first.ints[0][kWordQuotaPlaces] = table_.quotaPlaces();
}

void TPreAppWin::loadParameters(const SettingsState& s)
{
    // Out-of-range values from a foreign file are refused by the table.
    table_.setColumnWidth(s.first.ints[0][kWordColumnWidth]);
    table_.setQuotaPlaces(s.first.ints[0][kWordQuotaPlaces]);
}

// --- the table as the grid sees it ---------------------------------------------

class TAppWin::GridModel : public TableGridModel {
public:
    explicit GridModel(const AppTable& t) : t_(t) {}
    int rowCount() const override { return t_.stateCount(); }
    int columnCount() const override { return kValueColumns; }
    std::string nameHeading() const override { return t_.heading(kNameColumn); }
    std::string heading(int c) const override { return t_.heading(c); }
    std::string name(int row) const override { return t_.cellText(row, kNameColumn); }
    std::string cell(int row, int c) const override { return t_.cellText(row, c); }
    std::string footer(int c) const override { return t_.footerText(c); }
    int nameChars() const override
    {
        return static_cast<int>(std::max(t_.nameWidth(), t_.heading(kNameColumn).size()));
    }
    int columnChars() const override { return t_.columnWidth(); }

private:
    const AppTable& t_;
};

// --- the divisor dialog -----------------------------------------------------------

TDivDlg::TDivDlg(TAppWin& owner) : TDlg("divisor", owner.window()), owner_(owner) {}

void TDivDlg::init(plat::Dialog& d)
{
    TParamBar bar(d, Slider);
    bar.setup();
    bar.place(owner_.table().sliderPosition(), false);
    d.setText(Edit, owner_.table().divisorText());
}

void TDivDlg::refresh()
{
    TParamBar(dialog(), Slider).place(owner_.table().sliderPosition(), false);
    dialog().setText(Edit, owner_.table().divisorText());
}

void TDivDlg::sliderMoved(plat::Dialog& d, int, int pos)
{
    owner_.table().setSliderPosition(pos);
    d.setText(Edit, owner_.table().divisorText());
    owner_.divisorMoved();
}

bool TDivDlg::button(plat::Dialog& d, int id)
{
    if (id != plat::IdOk && id != SetL && id != SetR)
        return false;
    Real v;
    if (!parseReal(d.text(Edit), v)) {
        if (id == plat::IdOk)
            owner_.message(Msg::CannotUnderstand);
        return true;
    }
    AppTable& t = owner_.table();
    if (id == plat::IdOk) {
        int code = t.applyDivisor(v);
        if (code) {
            owner_.message(code);
            return true;
        }
    } else {
        // An unacceptable limit is ignored.
        int code = id == SetL ? t.setSliderLeft(v) : t.setSliderRight(v);
        if (code)
            return true;
    }
    refresh();
    owner_.divisorMoved();
    // After Apply the keyboard goes back to the table.
    if (id == plat::IdOk && owner_.window())
        owner_.window()->bringToTop();
    return true;
}

// --- the window ---------------------------------------------------------------------

TAppWin::TAppWin(TQuanFrame* frame, DocInit init)
    : TPreAppWin(frame, std::move(init)), model_(std::make_unique<GridModel>(table_))
{
}

TAppWin::~TAppWin()
{
    // The plot goes with its owner, writing its settings as it closes.
    if (divWin_)
        divWin_->closePlot();
    divWin_.reset();
    powWin_.reset();
}

void TAppWin::closed()
{
    if (divWin_)
        divWin_->closePlot();
    TPreAppWin::closed();
}

void TAppWin::showWatch()
{
    if (!isDivisorMethod(table_.method()))
        return;
    if (!divWin_) {
        DocInit init;
        init.fileName = S(Str::Divisor);
        init.readSettings = frame_ && !frame_->useDefaults();
        divWin_ = std::make_unique<TDivWin>(*this, frame_, init);
        divWin_->create();
        // Beside its apportionment window, as the Electoral College is.
        const plat::Rect mine = window_->geometry();
        const plat::Rect its = divWin_->window()->geometry();
        const plat::Size screen = plat::Platform::get().screenSize();
        const int left = std::clamp(mine.left + 64, 0, std::max(0, screen.w - its.width()));
        const int top = std::clamp(mine.top + 32, 0, std::max(0, screen.h - 200));
        // A placement read from the settings file stands.
        if (!init.readSettings)
            divWin_->window()->setGeometry({left, top, left + its.width(), top + its.height()});
    }
    // A plot opened (again) starts from the initial view of the data.
    if (!divWin_->isShowing())
        divWin_->resetView();
    divWin_->showPlot();
}

void TAppWin::holdWatchView()
{
    if (divWin_ && divWin_->isShowing())
        divWin_->holdView();
}

void TAppWin::resetWatchView()
{
    if (divWin_ && divWin_->isShowing())
        divWin_->resetView();
}

void TAppWin::applyDivisorFromPlot(Real d)
{
    if (!(d >= 1) || table_.applyDivisor(d))
        return;
    if (divDlg_)
        divDlg_->refresh();
    divisorMoved();
}

plat::Menu TAppWin::menuBar() const { return menuResource("APPMENU"); }

std::vector<plat::Accelerator> TAppWin::accelerators() const { return acceleratorResource("APPMENU"); }

std::string TAppWin::menuHelpName(int id) const
{
    switch (id) {
    case appcmd::HelpFile: return "QNAFILEH";
    case appcmd::HelpData: return "QNADATAH";
    case appcmd::HelpMethod: return "QNAMETHH";
    case appcmd::HelpArrange: return "QNAARRH";
    case appcmd::HelpOther: return "QNAOTHH";
    case appcmd::HelpFormat: return "QNAFMTH";
    default: return "";
    }
}

void TAppWin::setup()
{
    TPreAppWin::setup();
    // Wide enough for every column, as far as the screen allows.
    int charW = (font(0).pixelSize() * 3 + 4) / 5;
    int width = std::min(TableGrid::preferredWidth(*model_, charW) + 24,
                         plat::Platform::get().screenSize().w - 80);
    window_->setGeometry(cascadePlace({width, 600}));
    // A new window shows the 2010 census by Hamilton's method; a file named
    // at creation is read by the main window afterwards.
    if (fileName_.empty() || !named_) {
        std::string keep = fileName_;
        table_.loadCensus(kCensus2010);
        fileName_ = keep.empty() ? censusFileName(kCensus2010) : keep;
    }
    updateMenu();
}

plat::Rect TAppWin::cellRect(int row, int col) const { return grid_.cellRect(*model_, row, col); }

void TAppWin::closeDivisorWindows()
{
    if (divDlg_)
        divDlg_->hide();
    if (divWin_)
        divWin_->closePlot();
}

void TAppWin::tableChanged()
{
    if (window_)
        window_->invalidate();
    if (divDlg_ && divDlg_->isVisible())
        divDlg_->refresh();
    if (divWin_ && divWin_->isShowing())
        divWin_->plotChanged();
    updateMenu();
    refreshTitle();
}

void TAppWin::divisorMoved()
{
    setChanged(true);
    tableChanged();
}

void TAppWin::updateMenu()
{
    if (!window_)
        return;
    for (int m = 0; m < kMethodCount; ++m)
        window_->checkMenuItem(appcmd::MethodBase + m, table_.method() == m);
    int key = table_.arrangeKey();
    window_->checkMenuItem(appcmd::ByName, key == kArrangeName);
    window_->checkMenuItem(appcmd::ByPopulation, key == kArrangePopulation);
    window_->checkMenuItem(appcmd::ByDistrict, key == kArrangeDistrict);
    window_->checkMenuItem(appcmd::ByCritical, key == kArrangeCritical);
    window_->checkMenuItem(appcmd::Increasing, table_.increasing());
    window_->checkMenuItem(appcmd::RowNumbers, table_.rowNumbers());
    bool divisor = isDivisorMethod(table_.method());
    window_->enableMenuItem(appcmd::PriorityList, divisor);
    window_->enableMenuItem(appcmd::Divisor, divisor);
    window_->enableMenuItem(appcmd::Watch, divisor);
    for (int k = kCensusFirst; k <= kCensusLast; ++k)
        window_->enableMenuItem(censusCommandId(k), censusAvailable(k));
}

void TAppWin::showDivisorDialog()
{
    if (!divDlg_)
        divDlg_ = std::make_unique<TDivDlg>(*this);
    divDlg_->show();
    divDlg_->refresh();
}

void TAppWin::setMethod(int m)
{
    MethodChange c = table_.setMethod(m);
    if (!c.changed)
        return;
    if (c.closeDivisorWindows)
        closeDivisorWindows();
    if (c.closePriorityList && textIsPriorityList_) {
        textWindow().hideWindow();
        textIsPriorityList_ = false;
    }
    if (c.showDivisorDialog)
        showDivisorDialog();
    setChanged(true);
    tableChanged();
}

void TAppWin::showText(const std::string& caption, const std::string& text)
{
    handTextAs(caption, text);
    textIsPriorityList_ = false;
}

void TAppWin::paint(plat::DC& dc)
{
    grid_.setFont(font(0));
    grid_.draw(dc, *model_, window_ ? window_->clientSize() : plat::Size{640, 480}, color(1));
    // Scroll bars show where rows or columns are out of view.
    if (window_)
        grid_.showScrollBars(*window_, *model_);
}

void TAppWin::scrolled(plat::ScrollBarKind which, int pos)
{
    if (grid_.scrolled(*model_, which, pos) && window_)
        window_->invalidate();
}

void TAppWin::mouse(const plat::MouseEvent& e)
{
    if (e.kind != plat::MouseEvent::Press || (e.button != 1 && e.button != 2))
        return;
    TableGrid::Hit h = grid_.hitTest(*model_, e.pos);
    if (!h.valid)
        return;
    int col = h.col < 0 ? kNameColumn : h.col;
    if (!table_.cellEditable(h.row, col))
        return;
    // A right click also starts autofeed, except in the arrange-by column.
    bool feed = false;
    if (e.button == 2) {
        int key = table_.arrangeKey();
        int keyColumn = key == kArrangeName ? kNameColumn : key;
        feed = col != keyColumn;
    }
    editCell(h.row, col, feed);
}

void TAppWin::wheel(int notches)
{
    if (grid_.scrollRows(*model_, -3 * notches) && window_)
        window_->invalidate();
}

void TAppWin::keyDown(int key, bool, bool)
{
    if (key == plat::vk::Escape && table_.autofeed()) {
        table_.setAutofeed(false);
        refreshTitle();
        return;
    }
    if (grid_.key(*model_, key) && window_)
        window_->invalidate();
}

void TAppWin::editCell(int row, int col, bool autofeed)
{
    table_.setAutofeed(autofeed);
    refreshTitle();
    while (true) {
        std::string prompt;
        if (row < 0)
            prompt = S(Str::Heading);
        else if (row >= table_.stateCount())
            prompt = S(Str::Quota);
        else
            prompt = table_.cellText(row, kNameColumn);
        std::string title = col == kNameColumn ? table_.heading(kNameColumn) : table_.heading(col);
        std::string text = table_.editText(row, col);
        if (!inputText(title, prompt, text, col == kNameColumn ? kNameMax : 255)) {
            table_.setAutofeed(false);
            break;
        }
        int code = table_.editCell(row, col, text);
        if (code) {
            table_.setAutofeed(false);
            message(code);
            break;
        }
        setChanged(true);
        tableChanged();
        if (!table_.autofeed() || row < 0 || row + 1 >= table_.stateCount())
            break;
        ++row;
        grid_.ensureRowVisible(*model_, row);
    }
    table_.setAutofeed(false);
    tableChanged();
}

void TAppWin::cmStateCount()
{
    long long n = table_.stateCount();
    if (!inputInteger(Str::Input, Str::NumberOfStates, n) || n == table_.stateCount())
        return;
    int code = table_.setStateCount(static_cast<int>(std::clamp(n, -1LL, 1000LL)));
    if (code) {
        message(code);
        return;
    }
    holdWatchView();
    setChanged(true);
    tableChanged();
    resetWatchView();
}

void TAppWin::cmDeleteRows()
{
    long long a, b;
    if (!askRowRange(a, b))
        return;
    int code = table_.deleteRows(static_cast<int>(std::clamp(a, -1LL, 1000LL)),
                                 static_cast<int>(std::clamp(b, -1LL, 1000LL)));
    if (code) {
        message(code);
        return;
    }
    holdWatchView();
    setChanged(true);
    tableChanged();
    resetWatchView();
}

void TAppWin::cmColumnWidth()
{
    long long w = table_.columnWidth();
    if (!inputInteger(Str::Input, Str::ColumnWidth, w))
        return;
    int code = table_.setColumnWidth(static_cast<int>(std::clamp(w, -1LL, 100000LL)));
    if (code)
        message(code);
    else
        setChanged(true); // the width is kept in the document
    tableChanged();
}

void TAppWin::cmQuotaPlaces()
{
    TDlg d("DP", window_.get());
    d.dialog().setText(ctl::Field1, std::to_string(table_.quotaPlaces()));
    if (d.execute() != plat::IdOk)
        return;
    long long q;
    if (!parseInt(d.dialog().text(ctl::Field1), q)) {
        message(Msg::CannotUnderstand);
        return;
    }
    int code = table_.setQuotaPlaces(static_cast<int>(std::clamp(q, -1LL, 100LL)));
    if (code)
        message(code);
    tableChanged();
}

void TAppWin::cmRegister()
{
    std::string heading = table_.registerPreset();
    if (!inputText(table_.registerTitle(), S(Str::Heading), heading, kHeadingMax))
        return;
    table_.registerApportionment(heading);
}

void TAppWin::cmPrint()
{
    auto printer = plat::Platform::get().startPrinting(window_.get(), namePart(fileName_));
    if (!printer)
        return;
    TTextout out(printFormat_.horizontalOffset, printFormat_.verticalOffset,
                 namePart(fileName_), table_.textOut(), fontSlot(0).font, fontSlot(0).pointSize);
    // The heading line, the rule and the empty line start every page.
    out.setTable(3);
    if (out.print(*printer) < 0)
        ask(plat::MessageKind::Ok, S(Str::PrintJobFailed), S(Str::Hmm));
}

bool TAppWin::canClose()
{
    if (powWin_ && !powWin_->canClose())
        return false;
    return TPreAppWin::canClose();
}

void TAppWin::electoralPower()
{
    std::vector<ElectoralBloc> blocs = table_.electoralBlocs();
    // The District of Columbia makes one bloc more than there are states;
    // a weighted-voting table holds at most 99.
    if (static_cast<int>(blocs.size()) > BlocTable::kMaxBlocs) {
        message(Msg::OutOfBounds);
        return;
    }
    std::vector<Real> weights;
    std::vector<std::string> names;
    std::vector<int32_t> figures;
    for (const auto& b : blocs) {
        weights.push_back(b.weight);
        names.push_back(b.name);
        figures.push_back(b.figure);
    }
    // A changed Electoral College table is not replaced without asking.
    if (powWin_ && !powWin_->canClose())
        return;
    if (!powWin_) {
        DocInit init;
        init.fileName = S(Str::ElectoralCollegePower);
        powWin_ = std::make_unique<TPowWin>(frame_, init);
        powWin_->create();
        // Beside its apportionment window, not over another window's place.
        const plat::Rect mine = window_->geometry();
        const plat::Rect its = powWin_->window()->geometry();
        const plat::Size screen = plat::Platform::get().screenSize();
        const int left = std::clamp(mine.left + 48, 0, std::max(0, screen.w - its.width()));
        const int top = std::clamp(mine.top + 48, 0, std::max(0, screen.h - 200));
        powWin_->window()->setGeometry({left, top, left + its.width(), top + its.height()});
    }
    int code = powWin_->fill(weights, names, figures);
    if (code) {
        message(code);
        return;
    }
    powWin_->window()->show();
    powWin_->window()->bringToTop();
}

void TAppWin::command(int id)
{
    using namespace appcmd;
    if (id >= MethodBase && id < MethodBase + kMethodCount) {
        setMethod(id - MethodBase);
        return;
    }
    int k = censusFromCommand(id);
    if (k >= kCensusFirst) {
        if (!saveChangesGate())
            return;
        holdWatchView();
        int code = loadCensus(k);
        if (code) {
            if (divWin_)
                divWin_->releaseView();
            message(code);
        } else {
            resetWatchView();
        }
        return;
    }
    switch (id) {
    case Divisor:
        if (isDivisorMethod(table_.method()))
            showDivisorDialog();
        return;
    case Watch: showWatch(); return;
    case ElectoralPower: electoralPower(); return;
    case PriorityList:
        if (isDivisorMethod(table_.method())) {
            handTextAs(table_.priorityListTitle(), table_.priorityList());
            textIsPriorityList_ = true;
        }
        return;
    case Register: cmRegister(); return;
    case Summary: showText(AppTable::summaryTitle(), table_.summary()); return;
    case ZeroSummary: table_.zeroSummary(); return;
    case StateCount: cmStateCount(); return;
    case DeleteRows: cmDeleteRows(); return;
    case ColumnWidth: cmColumnWidth(); return;
    case QuotaPlaces: cmQuotaPlaces(); return;
    case Notebook: cmNotebook(); return;
    case ByName: table_.setArrangeKey(kArrangeName); setChanged(true); break;
    case ByPopulation: table_.setArrangeKey(kArrangePopulation); setChanged(true); break;
    case ByDistrict: table_.setArrangeKey(kArrangeDistrict); setChanged(true); break;
    case ByCritical: table_.setArrangeKey(kArrangeCritical); setChanged(true); break;
    case Increasing: table_.setIncreasing(!table_.increasing()); setChanged(true); break;
    case RowNumbers: table_.setRowNumbers(!table_.rowNumbers()); break;
    case TextOut: showText(AppTable::textOutTitle(), table_.textOut()); return;
    case TexOutput: saveTexFile(*this, table_.texOut()); return;
    case cm::Print: cmPrint(); return;
    default:
        TPreAppWin::command(id);
        if (id == textcmd::TableFont)
            tableChanged();
        return;
    }
    // Arrange commands end here.
    tableChanged();
}

} // namespace quan
