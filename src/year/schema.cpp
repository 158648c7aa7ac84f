#include "year/schema.h"

#include "rules/law.h"
#include "rules/pay_table.h"
#include "rules/relief89.h"

namespace year {

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

namespace {

const char* const months[fiscora::payRows] = {"Jan 12", "Feb 12", "Mar 12", "Apr 12", "May 12",
                                              "Jun 12", "Jul 12", "Aug 12", "Sep 12", "Oct 12",
                                              "Nov 12", "Dec 12", "Jan 13", "Feb 13"};

// A form's keys, added in the order the form makes its controls.
struct Builder {
    FormSchema form;

    Builder& add(Key key) {
        form.index.insert(key.name, static_cast<int>(form.keys.size()));
        form.keys.push_back(std::move(key));
        return *this;
    }
    // A figure: a field that shows "0" until something is typed or worked out.
    Builder& figure(const QString& name, const QString& what) {
        return add({name, Kind::Text, QStringLiteral("0"), anyLength, {}, what});
    }
    // A check box: "1" when ticked.
    Builder& check(const QString& name, bool ticked, const QString& what) {
        return add({name, Kind::Check, QLatin1String(ticked ? "1" : "0"), anyLength, {}, what});
    }
    Builder& option(const QString& name, bool selected, const QString& group, const QString& what) {
        return add(
            {name, Kind::Option, QLatin1String(selected ? "1" : "0"), anyLength, group, what});
    }
};

} // namespace

QString monthName(int row) {
    return QLatin1String(months[row]);
}

namespace {

void birthAndSex(Builder& b) {
    b.add({QStringLiteral("dtpdob"),
           Kind::Date,
           QStringLiteral("1960-01-01"),
           anyLength,
           {},
           QStringLiteral("Date of Birth")});
    const QString sex = QStringLiteral("sex");
    b.option(QStringLiteral("optmale"), true, sex, QStringLiteral("Male"));
    b.option(QStringLiteral("optfemale"), false, sex, QStringLiteral("Female"));
}

FormSchema worksheet() {
    Builder b{{form::worksheet, {}, {}}};
    b.add({QStringLiteral("txtname"), Kind::Text, {}, anyLength, {}, QStringLiteral("Name")});
    const char* const figures[][2] = {
        {"txtgs", "Gross Salary"},
        {"txttp", "Transport Allowance"},
        {"txthra", "House Rent Allowance"},
        {"txtexall", "Allowances Exempt u/s 10"},
        {"txtnsal", "Income from Salary"},
        {"txtos", "Income from Other Sources"},
        {"txthp", "Income from House Property"},
        {"txtgti", "Gross Total Income"},
        {"txtded80", "Less:- Deductions u/s 80"},
        {"txtnti", "Net Taxable Income"},
        {"txtgtax", "Gross Tax"},
        {"txtrel89", "Relief u/s 89"},
        {"txtntax", "Net Tax"},
        {"txtcess", "Education Cess"},
        {"txtttax", "Total Tax"},
        {"txtdedtax", "Tax Deducted"},
        {"txtbaltax", "Balance Tax"},
        // Hidden: the pay of the year as the salary form carried it, for the HRA and
        // deductions forms.
        {"txtbp", "basic pay of the year, carried"},
        {"txtda", "DA of the year, carried"},
        {"txthrr", "HRA received in the year, carried"},
        {"txtnpa", "grade pay of the year, carried"},
        {"txtmgc", "NPS contribution of the year, carried"},
    };
    for (const auto& [name, what] : figures) {
        b.figure(QLatin1String(name), QLatin1String(what));
    }
    // What only the law as enacted asks: the taxpayer's date of birth and sex (the relief
    // form's, the same facts) and the tax on employment; then the law the year is worked out
    // under, the Year menu's check.
    birthAndSex(b);
    b.figure(QStringLiteral("txtpt"), QStringLiteral("Tax on Employment"));
    b.check(QStringLiteral("actLawAsEnacted"), false,
            QStringLiteral("Work out under the Law as Enacted"));
    return b.form;
}

FormSchema salary() {
    Builder b{{form::salary, {}, {}}};
    // The worksheet's name is copied in as far as the field's 26 characters take it.
    b.add({QStringLiteral("txtnam"), Kind::Text, {}, 26, {}, QStringLiteral("Name"), 26});
    b.add({QStringLiteral("cbonps"),
           Kind::Selection,
           QStringLiteral("N"),
           anyLength,
           {},
           QStringLiteral("New Pen. Sch.")});
    b.add({QStringLiteral("cboclass1"),
           Kind::Selection,
           QStringLiteral("X"),
           anyLength,
           {},
           QStringLiteral("HRA class of city")});
    b.add({QStringLiteral("cboclass3"),
           Kind::Selection,
           QStringLiteral("A/A-1"),
           anyLength,
           {},
           QStringLiteral("TPA class of city")});
    const char* const columns[][2] = {{"txtbp", "B.PAY"}, {"txtgp", "G.PAY"}, {"txtda", "DA"},
                                      {"txthra", "HRA"},  {"txttpa2", "TPA"}, {"txtmgc", "MGC"},
                                      {"txtttl", "TOTAL"}};
    for (int row = 0; row < fiscora::payRows; ++row) {
        for (const auto& [name, heading] : columns) {
            if (QLatin1String(name) == QLatin1String("txthra") && row < fiscora::firstSalary) {
                continue; // no HRA on the arrears of DA
            }
            b.figure(
                indexed(name, row),
                QStringLiteral("%1 of %2").arg(QLatin1String(heading), QLatin1String(months[row])));
        }
    }
    const char* const totals[] = {"txtbpt",  "txtgpt",  "txtdat", "txthrat",
                                  "txttpat", "txtmgct", "txtttlt"};
    for (std::size_t c = 0; c < std::size(totals); ++c) {
        b.figure(QLatin1String(totals[c]),
                 QStringLiteral("Total of %1").arg(QLatin1String(columns[c][1])));
    }
    b.check(QStringLiteral("chkinc"), true, QStringLiteral("Calculate Increment"));
    const char* const annual[] = {"Arrears", "Bonus", "OTA", "T.Fee", "Hon.", "Oth."};
    for (int i = 0; i < fiscora::annualFigures; ++i) {
        b.figure(indexed("txtoth", i), QLatin1String(annual[i]));
    }
    b.figure(QStringLiteral("txtgtotal"), QStringLiteral("G.Total"));
    return b.form;
}

FormSchema figures(const QString& name,
                   std::initializer_list<std::pair<const char*, const char*>> keys) {
    Builder b{{name, {}, {}}};
    for (const auto& [key, what] : keys) {
        b.figure(QLatin1String(key), QLatin1String(what));
    }
    return b.form;
}

// The HRA form's entries take 10 characters as typed, but hold the pay carried in from the
// worksheet whole, however long its text.
FormSchema hra() {
    FormSchema form = figures(form::hra, {{"txtbp", "Basic Pay"},
                                          {"txtnpa", "Grade Pay"},
                                          {"txtda", "Dearness Allow."},
                                          {"txtns", "Total Salary"},
                                          {"txthra", "HRA Drawn"},
                                          {"txtRP", "Rent Paid (Annual)"},
                                          {"txthrx", "HRA Exemption"}});
    for (Key& key : form.keys) {
        if (key.name != QLatin1String("txtns") && key.name != QLatin1String("txthrx")) {
            key.typed = 10;
        }
    }
    // Asked under the law as enacted: the limb of half or two fifths of salary.
    form.index.insert(QStringLiteral("chkmetro"), static_cast<int>(form.keys.size()));
    form.keys.push_back({QStringLiteral("chkmetro"),
                         Kind::Check,
                         QStringLiteral("0"),
                         anyLength,
                         {},
                         QStringLiteral("Rented House in Delhi, Mumbai, Kolkata or Chennai")});
    return form;
}

FormSchema houseProperty() {
    Builder b{{form::houseProperty, {}, {}}};
    const QString occupancy = QStringLiteral("occupancy");
    const QString loan = QStringLiteral("loan");
    b.option(QStringLiteral("optso"), false, occupancy, QStringLiteral("Self Occupied"));
    b.option(QStringLiteral("optrent"), true, occupancy, QStringLiteral("Let Out"));
    b.figure(QStringLiteral("txtarv"), QStringLiteral("Annual Rental Value"));
    b.figure(QStringLiteral("txtptax"), QStringLiteral("Property Taxes"));
    b.figure(QStringLiteral("txtghi"), QStringLiteral("Gross Income"));
    b.figure(QStringLiteral("txtrep"), QStringLiteral("Repairs & Maintainance"));
    b.option(QStringLiteral("optb499"), false, loan,
             QStringLiteral("loan taken before 1 April 1999"));
    b.option(QStringLiteral("opta499"), true, loan, QStringLiteral("loan taken from 1 April 1999"));
    b.figure(QStringLiteral("txtintt"), QStringLiteral("Interest on Borrowed Capital"));
    b.figure(QStringLiteral("txtoth"), QStringLiteral("Others"));
    b.figure(QStringLiteral("txttd"), QStringLiteral("Total Deductions u/s 24"));
    b.figure(QStringLiteral("txtihp"), QStringLiteral("Income from House Property"));
    return b.form;
}

FormSchema relief() {
    Builder b{{form::relief, {}, {}}};
    birthAndSex(b);
    const char* const columns[][2] = {
        {"txtti", "Total income"},    {"txtarr", "Arrears"},
        {"txtcat", "Category"},       {"txtti2", "Income with arrears"},
        {"txttax1", "Tax on income"}, {"txttax2", "Tax with arrears"},
        {"txtdiff", "Difference"}};
    for (int row = 0; row < fiscora::earlierYears; ++row) {
        const QString year = QString::fromStdString(fiscora::earlierLaw(row).name);
        for (const auto& [name, heading] : columns) {
            Key key{indexed(name, row),
                    Kind::Text,
                    QStringLiteral("0"),
                    anyLength,
                    {},
                    QStringLiteral("%1 %2").arg(QLatin1String(heading), year)};
            if (QLatin1String(name) == QLatin1String("txtcat")) {
                key.design.clear(); // a category shows once Calculate has found it
            }
            b.add(key);
        }
    }
    const char* const items[] = {
        "Total income excluding arrears", "Salary received in arrears",
        "Total income including arrears", "Tax on total income (item 3)",
        "Tax on total income (item 1)",   "Tax on arrears (item 4 - item 5)",
        "Tax on arrears in Table A",      "Relief u/s 89(1) (item 6 - item 7)"};
    for (int i = 1; i <= 8; ++i) {
        b.figure(indexed("txtitem", i), QLatin1String(items[i - 1]));
    }
    return b.form;
}

// Asked under the law as enacted: the parents' premium apart from the family's, with the
// higher limits of senior citizens, and the interest on savings bank deposits.
FormSchema deductions(FormSchema form) {
    Builder b{std::move(form)};
    b.figure(QStringLiteral("txt80dp"), QStringLiteral("Mediclaim of Parents"));
    b.check(QStringLiteral("chk80dsen"), false, QStringLiteral("Self or Spouse 60 or more"));
    b.check(QStringLiteral("chk80dpsen"), false, QStringLiteral("A Parent 60 or more"));
    b.figure(QStringLiteral("txt80tta"), QStringLiteral("Savings Bank Interest (80TTA)"));
    return b.form;
}

std::vector<FormSchema> declare() {
    return {
        worksheet(),
        salary(),
        hra(),
        houseProperty(),
        deductions(figures(form::deductions, {{"txtgpf", "GPF"},
                                              {"txtgis", "CGEGIS"},
                                              {"txthba", "House Building Advance"},
                                              {"txtlic", "Life Insurance Premium"},
                                              {"txtppf", "PPF"},
                                              {"txtnsc", "National Savings Certificate"},
                                              {"txtnsci", "Interest on NSC"},
                                              {"txttf1", "Tution Fee, Child I"},
                                              {"txttf2", "Tution Fee, Child II"},
                                              {"txtinf", "Infrastructure Bonds"},
                                              {"txtos", "Other Savings"},
                                              {"txt80c", "Total of Section 80C"},
                                              {"txt80ccc", "Jeevan Suraksha"},
                                              {"txt80ccdec", "New Pen. Sch. (Emp.Cont.)"},
                                              {"txt80ccdgc", "New Pen. Sch. (Gov.Cont.)"},
                                              {"txttot1", "Total - 80C+80CCC+80CCD"},
                                              {"txt80ccf", "Infra. Bonds (80CCF)"},
                                              {"txt80d", "Mediclaim/CGHS"},
                                              {"txt80g", "Donations"},
                                              {"txtoth", "Other Deductions"},
                                              {"txtgt80", "GRAND TOTAL"}})),
        relief(),
    };
}

} // namespace

const std::vector<FormSchema>& schema() {
    static const std::vector<FormSchema> forms = declare();
    return forms;
}

const FormSchema* formSchema(const QString& name) {
    for (const FormSchema& f : schema()) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace year
