#include "year/work.h"

#include "common/amount.h"
#include "rules/house_income.h"
#include "rules/hra_exemption.h"
#include "rules/relief89.h"
#include "rules/section80.h"
#include "rules/tax.h"

#include <QDate>
#include <cmath>

namespace year {

namespace {

using fiscora::payRows;
using Focus = Refusal::Focus;

enum class Why { NotANumber, TooLarge, OutOfRange, CannotCarry, PayNotANumber };

Refusal refusal(const FormRecord& form, const QString& key, Why why, Focus focus) {
    QString text;
    switch (why) {
    case Why::NotANumber:
        text = QStringLiteral("The figure in \"%1\" is not a number that can be computed with. "
                              "Please correct it and Calculate again.");
        break;
    case Why::TooLarge:
        text = QStringLiteral("The figure in \"%1\" is too large to compute with. Please "
                              "correct it and Calculate again.");
        break;
    case Why::OutOfRange:
        text = QStringLiteral("\"%1\" comes out too large to compute. Please check the figures "
                              "that make it up.");
        break;
    case Why::CannotCarry:
        text = QStringLiteral("\"%1\" does not hold a figure that can be carried. Please "
                              "Calculate again.");
        break;
    case Why::PayNotANumber:
        text = QStringLiteral("The basic pay in \"%1\" is not a number. Please type it as a "
                              "number and Calculate again.");
        break;
    }
    return {form.name(), key, text.arg(form.schema().key(key).what), focus};
}

QString figureText(double value) {
    return QString::fromStdString(fiscora::numberText(value));
}

enum class Reading { Lenient, Strict };

// A form's fields read into its rule's inputs, in order, as the form reads them: the first
// that cannot be computed with refuses the step.
class Reader {
public:
    Reader(const FormRecord& form, Reading reading, Warnings* warnings)
        : form_(form), reading_(reading), warnings_(warnings) {}

    Reader& operator()(const QString& key, double& figure) {
        if (refused) {
            return *this;
        }
        const std::string text = form_[key].toStdString();
        const std::optional<double> value =
            reading_ == Reading::Strict ? fiscora::readStrict(text) : fiscora::readLenient(text);
        if (!value || !std::isfinite(*value)) {
            refused =
                refusal(form_, key, reading_ == Reading::Strict ? Why::NotANumber : Why::TooLarge,
                        Focus::Enter);
            return *this;
        }
        if (warnings_ && !fiscora::readStrict(text)) {
            const Key& k = form_.schema().key(key);
            warnings_->append(
                QStringLiteral("%1 read as %2").arg(k.what.toUpper(), figureText(*value)));
        }
        figure = *value;
        return *this;
    }

    std::optional<Refusal> refused;

private:
    const FormRecord& form_;
    Reading reading_;
    Warnings* warnings_;
};

// The results, in the order they are written; none is written when one is not finite.
Step results(const FormRecord& form, const std::vector<std::pair<QString, double>>& figures) {
    Writes writes;
    for (const auto& [key, value] : figures) {
        if (!std::isfinite(value)) {
            return refusal(form, key, Why::OutOfRange, Focus::Stays);
        }
        writes.push_back({key, figureText(value)});
    }
    return writes;
}

Carried carried(const FormRecord& form, const QString& key, Reading reading) {
    const std::string text = form[key].toStdString();
    const std::optional<double> value =
        reading == Reading::Strict ? fiscora::readStrict(text) : fiscora::readLenient(text);
    if (!value || !std::isfinite(*value)) {
        return refusal(form, key, Why::CannotCarry, Focus::Stays);
    }
    return *value;
}

double lenient(const FormRecord& form, const QString& key) {
    return fiscora::readLenient(form[key].toStdString());
}

} // namespace

Step calculateSalary(const FormRecord& salary, const fiscora::YearLaw& law, Warnings* warnings) {
    fiscora::PayInputs in;
    Reader read(salary, Reading::Lenient, warnings);
    for (int r = 0; r < payRows; ++r) {
        read(indexed("txtbp", r), in.basicPay[std::size_t(r)]);
        read(indexed("txtgp", r), in.gradePay[std::size_t(r)]);
    }
    for (int i = 0; i < fiscora::annualFigures; ++i) {
        read(indexed("txtoth", i), in.annual[std::size_t(i)]);
    }
    if (read.refused) {
        return *read.refused;
    }
    // The rise of DA for January and February 2012 is worked on the basic pay exactly as
    // typed; a text that is not wholly a number gives no figure to work it on.
    for (int row : {fiscora::janArrears, fiscora::febArrears}) {
        if (!fiscora::readStrict(salary[indexed("txtbp", row)].toStdString())) {
            return refusal(salary, indexed("txtbp", row), Why::PayNotANumber, Focus::Enter);
        }
    }
    in.increment = salary.on(QStringLiteral("chkinc"));
    const fiscora::PayLaw& pay = law.pay;
    in.hraClass =
        fiscora::choose(pay.hraClasses, salary[QStringLiteral("cboclass1")].toStdString());
    in.transportClass =
        fiscora::choose(pay.transportClasses, salary[QStringLiteral("cboclass3")].toStdString());
    in.pensionScheme =
        fiscora::choose(pay.pensionSchemes, salary[QStringLiteral("cbonps")].toStdString());
    for (int r = 0; r < payRows; ++r) {
        const auto row = std::size_t(r);
        in.hraShown[row] = r < fiscora::firstSalary ? 0.0 : lenient(salary, indexed("txthra", r));
        in.transportShown[row] = lenient(salary, indexed("txttpa2", r));
        in.mgcShown[row] = lenient(salary, indexed("txtmgc", r));
    }

    const fiscora::PayTable t = fiscora::computePayTable(law, in);

    // Every figure to be written, in the order it is written.
    std::vector<std::pair<QString, double>> figures;
    if (t.julyBasicPay) {
        figures.emplace_back(indexed("txtbp", fiscora::julyRow), *t.julyBasicPay);
    }
    for (int r = 0; r < payRows; ++r) {
        figures.emplace_back(indexed("txtda", r), t.da[std::size_t(r)]);
    }
    for (const auto& [column, cells] :
         {std::pair{"txthra", &t.hra}, std::pair{"txttpa2", &t.transport},
          std::pair{"txtmgc", &t.mgc}}) {
        for (int r = 0; r < payRows; ++r) {
            if (const auto& cell = (*cells)[std::size_t(r)]) {
                figures.emplace_back(indexed(column, r), *cell);
            }
        }
    }
    for (int r = 0; r < payRows; ++r) {
        figures.emplace_back(indexed("txtttl", r), t.total[std::size_t(r)]);
    }
    figures.insert(figures.end(), {{QStringLiteral("txtbpt"), t.basicPayTotal},
                                   {QStringLiteral("txtgpt"), t.gradePayTotal},
                                   {QStringLiteral("txtdat"), t.daTotal},
                                   {QStringLiteral("txthrat"), t.hraTotal},
                                   {QStringLiteral("txtmgct"), t.mgcTotal},
                                   {QStringLiteral("txttpat"), t.transportTotal},
                                   {QStringLiteral("txtttlt"), t.totalTotal},
                                   {QStringLiteral("txtgtotal"), t.grandTotal}});
    Step step = results(salary, figures);
    if (auto* writes = std::get_if<Writes>(&step); writes && t.julyBasicPay) {
        // The new pay of July runs down to February 2013 every time, replacing pay typed
        // into those months, even where July already shows it.
        const QString july = writes->front().text;
        for (int r = fiscora::julyRow + 1; r < payRows; ++r) {
            writes->insert(writes->begin() + (r - fiscora::julyRow), {indexed("txtbp", r), july});
        }
    }
    return step;
}

std::variant<fiscora::SalaryTotals, Refusal> salaryTotals(const FormRecord& salary,
                                                          const fiscora::YearLaw& law) {
    fiscora::SalaryTotals totals;
    const std::pair<const char*, double*> carriedFigures[] = {
        {"txtbpt", &totals.basicPay},       {"txtdat", &totals.da},
        {"txtgtotal", &totals.grossSalary}, {"txthrat", &totals.hraReceived},
        {"txtgpt", &totals.gradePay},       {"txtmgct", &totals.mgc},
    };
    for (const auto& [key, figure] : carriedFigures) {
        const Carried value = carried(salary, QLatin1String(key), Reading::Strict);
        if (const auto* refused = std::get_if<Refusal>(&value)) {
            return *refused;
        }
        *figure = std::get<double>(value);
    }
    fiscora::PayColumn transport{};
    for (int r = 0; r < payRows; ++r) {
        const Carried value = carried(salary, indexed("txttpa2", r), Reading::Lenient);
        if (const auto* refused = std::get_if<Refusal>(&value)) {
            return *refused;
        }
        transport[std::size_t(r)] = std::get<double>(value);
    }
    totals.transportExempt = fiscora::exemptTransport(law, transport);
    if (!fiscora::allFinite(totals.transportExempt)) {
        return refusal(salary, QStringLiteral("txttpat"), Why::CannotCarry, Focus::Stays);
    }
    return totals;
}

double arrearsOfDa(const FormRecord& salary) {
    return lenient(salary, indexed("txtttl", fiscora::janArrears)) +
           lenient(salary, indexed("txtttl", fiscora::febArrears));
}

Step calculateHra(const FormRecord& hra, const fiscora::YearLaw& law) {
    // Every entry field holds a text (an emptied one holds "0"); each must be a number as
    // it stands, in the order the figures are read.
    fiscora::HraInputs in;
    Reader read(hra, Reading::Strict, nullptr);
    read(QStringLiteral("txtbp"), in.basicPay)(QStringLiteral("txtda"), in.dearness)(
        QStringLiteral("txthra"), in.hraDrawn)(QStringLiteral("txtnpa"),
                                               in.gradePay)(QStringLiteral("txtRP"), in.rentPaid);
    if (read.refused) {
        return *read.refused;
    }
    in.metro = hra.on(QStringLiteral("chkmetro"));
    const fiscora::HraFigures f = fiscora::computeHraExemption(law, in);
    return results(
        hra, {{QStringLiteral("txtns"), f.totalSalary}, {QStringLiteral("txthrx"), f.exemption}});
}

Carried hraExemption(const FormRecord& hra) {
    return carried(hra, QStringLiteral("txthrx"), Reading::Strict);
}

Step calculateHouseProperty(const FormRecord& house, const fiscora::YearLaw& law) {
    // The figures must each be a number as they stand, in the order they are read.
    fiscora::HouseInputs in;
    Reader read(house, Reading::Strict, nullptr);
    read(QStringLiteral("txtarv"), in.rentalValue)(QStringLiteral("txtptax"), in.propertyTaxes)(
        QStringLiteral("txtintt"), in.interest)(QStringLiteral("txtoth"), in.others);
    if (read.refused) {
        return *read.refused;
    }
    in.occupancy = house.on(QStringLiteral("optso")) ? fiscora::Occupancy::SelfOccupied
                                                     : fiscora::Occupancy::LetOut;
    in.loan = house.on(QStringLiteral("optb499")) ? fiscora::LoanTaken::Before1April1999
                                                  : fiscora::LoanTaken::From1April1999;
    const fiscora::HouseFigures f = fiscora::computeHouseIncome(law, in);
    return results(house, {{QStringLiteral("txtghi"), f.grossIncome},
                           {QStringLiteral("txtrep"), f.repairs},
                           {QStringLiteral("txttd"), f.deductions},
                           {QStringLiteral("txtihp"), f.income}});
}

Carried houseIncome(const FormRecord& house) {
    return carried(house, QStringLiteral("txtihp"), Reading::Strict);
}

Step calculateDeductions(const FormRecord& deductions, const fiscora::YearLaw& law,
                         Warnings* warnings) {
    // In the order the figures are read.
    fiscora::Section80Inputs in;
    Reader read(deductions, Reading::Lenient, warnings);
    const std::pair<const char*, double*> inputs[] = {{"txtgis", &in.cgegis},
                                                      {"txthba", &in.houseBuildingAdvance},
                                                      {"txtlic", &in.lifeInsurance},
                                                      {"txtppf", &in.ppf},
                                                      {"txtnsc", &in.nsc},
                                                      {"txtnsci", &in.nscInterest},
                                                      {"txttf1", &in.tuitionChild1},
                                                      {"txttf2", &in.tuitionChild2},
                                                      {"txtinf", &in.infrastructureBonds},
                                                      {"txtos", &in.otherSavings},
                                                      {"txtgpf", &in.gpf},
                                                      {"txt80ccc", &in.jeevanSuraksha},
                                                      {"txt80ccdec", &in.npsEmployee},
                                                      {"txt80ccdgc", &in.npsGovernment},
                                                      {"txt80ccf", &in.infrastructure80CCF},
                                                      {"txt80d", &in.mediclaim},
                                                      {"txt80g", &in.donations},
                                                      {"txtoth", &in.otherDeductions}};
    for (const auto& [key, figure] : inputs) {
        read(QLatin1String(key), *figure);
    }
    if (law.mode == fiscora::Mode::Enacted) {
        // Asked only under the law as enacted.
        read(QStringLiteral("txt80dp"), in.mediclaimParents)(QStringLiteral("txt80tta"),
                                                             in.savingsInterest);
        in.selfSenior = deductions.on(QStringLiteral("chk80dsen"));
        in.parentSenior = deductions.on(QStringLiteral("chk80dpsen"));
    }
    if (read.refused) {
        return *read.refused;
    }
    const fiscora::Section80Figures f = fiscora::computeSection80(law, in);
    Step step = results(deductions, {{QStringLiteral("txt80c"), f.total80C},
                                     {QStringLiteral("txttot1"), f.combinedBeforeLimit},
                                     {QStringLiteral("txttot1"), f.combined},
                                     {QStringLiteral("txtgt80"), f.grandTotal}});
    if (auto* writes = std::get_if<Writes>(&step)) {
        // A field above its limit is itself cut back to the limit, before the grand total.
        const std::tuple<const char*, double, double> limited[] = {
            {"txt80ccf", f.allowed80CCF, in.infrastructure80CCF},
            {"txt80d", f.allowed80DFamily, in.mediclaim},
            {"txt80dp", f.allowed80DParents, in.mediclaimParents},
            {"txt80tta", f.allowed80TTA, in.savingsInterest}};
        for (const auto& [key, allowed, given] : limited) {
            if (allowed != given) {
                writes->insert(writes->end() - 1, {QLatin1String(key), figureText(allowed)});
            }
        }
    }
    return step;
}

Carried deductionsTotal(const FormRecord& deductions) {
    return carried(deductions, QStringLiteral("txtgt80"), Reading::Lenient);
}

namespace {

Refusal badBirth(const FormRecord& form) {
    const QDate earliest = QDate::fromString(QLatin1String(earliestBirth), Qt::ISODate);
    const QDate latest = QDate::fromString(QLatin1String(latestBirth), Qt::ISODate);
    return Refusal{form.name(), QStringLiteral("dtpdob"),
                   QStringLiteral("The date of birth must fall between %1 and %2. "
                                  "Please correct it and Calculate again.")
                       .arg(earliest.toString(QStringLiteral("dd/MM/yyyy")),
                            latest.toString(QStringLiteral("dd/MM/yyyy"))),
                   Focus::Set};
}

} // namespace

Step calculateWorksheet(const FormRecord& worksheet, const fiscora::YearLaw& law,
                        Warnings* warnings) {
    fiscora::TaxInputs in;
    Reader read(worksheet, Reading::Lenient, warnings);
    read(QStringLiteral("txtgs"), in.grossSalary)(QStringLiteral("txttp"), in.transportExempt)(
        QStringLiteral("txthra"), in.hraExempt)(QStringLiteral("txthp"), in.houseProperty)(
        QStringLiteral("txtos"), in.otherSources)(QStringLiteral("txtded80"), in.deductions80)(
        QStringLiteral("txtrel89"), in.relief89)(QStringLiteral("txtdedtax"), in.taxDeducted);
    if (law.mode == fiscora::Mode::Enacted) {
        // Asked only under the law as enacted: the tax on employment, and the taxpayer's age
        // and sex for the scale.
        read(QStringLiteral("txtpt"), in.employmentTax);
        const auto birth = birthOf(worksheet);
        if (!birth) {
            return badBirth(worksheet);
        }
        in.category = fiscora::categoryOf(law, *birth, sexOf(worksheet));
    }
    if (read.refused) {
        return *read.refused;
    }
    const fiscora::TaxFigures t = fiscora::computeTax(law, in);
    return results(worksheet, {{QStringLiteral("txtexall"), t.exemptAllowances},
                               {QStringLiteral("txtnsal"), t.salaryIncome},
                               {QStringLiteral("txtgti"), t.grossTotalIncome},
                               {QStringLiteral("txtnti"), t.netTaxableIncome},
                               {QStringLiteral("txtgtax"), t.grossTax},
                               {QStringLiteral("txtntax"), t.netTax},
                               {QStringLiteral("txtcess"), t.cess},
                               {QStringLiteral("txtttax"), t.totalTax},
                               {QStringLiteral("txtbaltax"), t.balanceTax}});
}

std::optional<fiscora::Date> birthOf(const FormRecord& form) {
    const QDate birth = QDate::fromString(form[QStringLiteral("dtpdob")], Qt::ISODate);
    const QDate earliest = QDate::fromString(QLatin1String(earliestBirth), Qt::ISODate);
    const QDate latest = QDate::fromString(QLatin1String(latestBirth), Qt::ISODate);
    if (!birth.isValid() || birth < earliest || birth > latest) {
        return std::nullopt;
    }
    return fiscora::Date{birth.year(), birth.month(), birth.day()};
}

fiscora::Sex sexOf(const FormRecord& form) {
    return form.on(QStringLiteral("optfemale")) ? fiscora::Sex::Female : fiscora::Sex::Male;
}

fiscora::Mode modeOf(const Record& record) {
    const FormRecord* worksheet = record.find(form::worksheet);
    return worksheet && worksheet->on(QStringLiteral("actLawAsEnacted")) ? fiscora::Mode::Enacted
                                                                         : fiscora::Mode::Program;
}

Writes fillRelief(const FormRecord& relief, const std::optional<QString>& netTaxableIncome,
                  std::optional<double> arrearsOfDa) {
    Writes writes;
    if (netTaxableIncome) {
        writes.push_back({indexed("txtitem", 3), *netTaxableIncome});
    }
    const QString arrears = indexed("txtarr", fiscora::earlierYears - 1);
    if (arrearsOfDa && relief[arrears] == QLatin1String("0")) {
        writes.push_back({arrears, figureText(*arrearsOfDa)});
    }
    return writes;
}

Step calculateRelief(const FormRecord& relief, fiscora::Mode mode) {
    const auto birth = birthOf(relief);
    if (!birth) {
        return badBirth(relief);
    }
    fiscora::ReliefInputs in;
    in.birth = *birth;
    in.sex = sexOf(relief);
    // In the order of the Tab key; each must be wholly a number.
    Reader read(relief, Reading::Strict, nullptr);
    for (int r = 0; r < fiscora::earlierYears; ++r) {
        read(indexed("txtti", r), in.totalIncome[std::size_t(r)]);
        read(indexed("txtarr", r), in.arrears[std::size_t(r)]);
    }
    read(indexed("txtitem", 3), in.incomeWithArrears);
    if (read.refused) {
        return *read.refused;
    }

    const fiscora::ReliefFigures f = fiscora::computeRelief(in, fiscora::reliefLaws(mode));
    if (f.items[1] < 0) {
        // Item 1 is item 3 less item 2: arrears larger than the whole income are a slip.
        return Refusal{
            relief.name(), indexed("txtitem", 3),
            QStringLiteral("The salary received in arrears (item 2, the arrears of Table A) is "
                           "more than the total income including arrears (item 3). Please "
                           "correct it and Calculate again."),
            Focus::Set};
    }
    std::vector<std::pair<QString, double>> figures;
    for (int r = 0; r < fiscora::earlierYears; ++r) {
        const fiscora::ReliefRow& row = f.rows[std::size_t(r)];
        figures.insert(figures.end(), {{indexed("txtti2", r), row.incomeWithArrears},
                                       {indexed("txttax1", r), row.taxOnIncome},
                                       {indexed("txttax2", r), row.taxWithArrears},
                                       {indexed("txtdiff", r), row.difference}});
    }
    for (int i : {1, 2, 4, 5, 6, 7, 8}) {
        figures.emplace_back(indexed("txtitem", i), f.items[std::size_t(i)]);
    }
    Step step = results(relief, figures);
    if (auto* writes = std::get_if<Writes>(&step)) {
        Writes categories;
        for (int r = 0; r < fiscora::earlierYears; ++r) {
            categories.push_back(
                {indexed("txtcat", r),
                 QString::fromStdString(fiscora::categoryName(f.rows[std::size_t(r)].category))});
        }
        writes->insert(writes->begin(), categories.begin(), categories.end());
    }
    return step;
}

QString seniorNote(const FormRecord& relief, fiscora::Mode mode) {
    // Under the law as enacted every year is taxed on the taxpayer's own scale.
    const QDate d = QDate::fromString(relief[QStringLiteral("dtpdob")], Qt::ISODate);
    if (mode == fiscora::Mode::Enacted || !d.isValid() ||
        !fiscora::seniorInYearOfReceipt({d.year(), d.month(), d.day()})) {
        return {};
    }
    return QStringLiteral(
        "The taxpayer is 60 or more in 2012-13: the worksheet applies the scale of taxpayers "
        "below 60 (the higher exemption of senior citizens is not applied), and so do items 4 "
        "and 5.");
}

Carried reliefFigure(const FormRecord& relief) {
    return carried(relief, indexed("txtitem", 8), Reading::Strict);
}

void apply(FormRecord& form, const Writes& writes) {
    for (const Write& w : writes) {
        form.set(w.key, w.text);
    }
}

namespace {

// One form's steps in the order its buttons are pressed; false when one refused.
class Run {
public:
    Run(Record& record, Worked& worked) : record_(record), worked_(worked) {}

    bool step(const QString& form, const Step& step) {
        if (const auto* refused = std::get_if<Refusal>(&step)) {
            worked_.refusal = *refused;
            return false;
        }
        year::apply(*record_.find(form), std::get<Writes>(step));
        return true;
    }
    // A figure carried into the worksheet's field.
    bool carry(const Carried& figure, const QString& field) {
        if (const auto* refused = std::get_if<Refusal>(&figure)) {
            worked_.refusal = *refused;
            return false;
        }
        worksheet().set(field, figureText(std::get<double>(figure)));
        return true;
    }
    FormRecord& worksheet() { return record_.hold(form::worksheet); }

private:
    Record& record_;
    Worked& worked_;
};

} // namespace

Worked workOut(Record record, const fiscora::YearLaw& law) {
    Worked worked{{}, std::nullopt, {}};
    Warnings* warnings = &worked.warnings;
    Run run(record, worked);
    FormRecord& w = run.worksheet();
    const auto done = [&] {
        worked.record = std::move(record);
        return std::move(worked);
    };
    bool salaryFresh = false;
    if (FormRecord* salary = record.find(form::salary)) {
        // Calc.: the worksheet's name, as far as the field takes it.
        const QString name = QStringLiteral("txtnam");
        salary->set(name, w[QStringLiteral("txtname")].left(salary->schema().key(name).longest));
        if (!run.step(form::salary, calculateSalary(*salary, law, warnings))) {
            return done();
        }
        const auto totals = salaryTotals(*salary, law);
        if (const auto* refused = std::get_if<Refusal>(&totals)) {
            worked.refusal = *refused;
            return done();
        }
        const auto& t = std::get<fiscora::SalaryTotals>(totals);
        const std::pair<const char*, double> writes[] = {
            {"txtgs", t.grossSalary}, {"txttp", t.transportExempt}, {"txtbp", t.basicPay},
            {"txtda", t.da},          {"txthrr", t.hraReceived},    {"txtnpa", t.gradePay},
            {"txtmgc", t.mgc}};
        for (const auto& [key, figure] : writes) {
            w.set(QLatin1String(key), figureText(figure));
        }
        salaryFresh = true;
    }
    if (FormRecord* hra = record.find(form::hra)) {
        // Calc.: the pay of the year from the carriers, as they show it.
        const std::pair<const char*, const char*> carriers[] = {
            {"txtbp", "txtbp"}, {"txtnpa", "txtnpa"}, {"txtda", "txtda"}, {"txthra", "txthrr"}};
        for (const auto& [field, carrier] : carriers) {
            hra->set(QLatin1String(field), figureText(lenient(w, QLatin1String(carrier))));
        }
        if (!run.step(form::hra, calculateHra(*hra, law)) ||
            !run.carry(hraExemption(*hra), QStringLiteral("txthra"))) {
            return done();
        }
    }
    if (FormRecord* house = record.find(form::houseProperty)) {
        if (!run.step(form::houseProperty, calculateHouseProperty(*house, law)) ||
            !run.carry(houseIncome(*house), QStringLiteral("txthp"))) {
            return done();
        }
    }
    if (FormRecord* deductions = record.find(form::deductions)) {
        // Calc.: the year's NPS contribution into both 80CCD fields.
        const QString pension = figureText(lenient(w, QStringLiteral("txtmgc")));
        deductions->set(QStringLiteral("txt80ccdec"), pension);
        deductions->set(QStringLiteral("txt80ccdgc"), pension);
        if (!run.step(form::deductions, calculateDeductions(*deductions, law, warnings)) ||
            !run.carry(deductionsTotal(*deductions), QStringLiteral("txtded80"))) {
            return done();
        }
    }
    if (!run.step(form::worksheet, calculateWorksheet(w, law, warnings))) {
        return done();
    }
    if (FormRecord* relief = record.find(form::relief)) {
        const FormRecord* salary = record.find(form::salary);
        for (const char* fact : {"dtpdob", "optmale", "optfemale"}) { // one fact, both forms
            relief->set(QLatin1String(fact), w[QLatin1String(fact)]);
        }
        year::apply(*relief, fillRelief(*relief, w[QStringLiteral("txtnti")],
                                        salaryFresh && salary ? std::optional(arrearsOfDa(*salary))
                                                              : std::nullopt));
        if (!run.step(form::relief, calculateRelief(*relief, law.mode)) ||
            !run.carry(reliefFigure(*relief), QStringLiteral("txtrel89"))) {
            return done();
        }
        // Warnings of the worksheet are told once.
        Warnings again;
        if (!run.step(form::worksheet, calculateWorksheet(w, law, &again))) {
            return done();
        }
    }
    return done();
}

} // namespace year
