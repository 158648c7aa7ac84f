#pragma once
// The printed Annexure I of Form No. 10E: relief under section 89(1) for arrears of salary
// received in 2012-13. One portrait page with the taxpayer, items 1 to 8 and Table A.
#include "reports/page.h"

#include <QString>
#include <array>

namespace reports {

// One earlier year of Table A, each text exactly as the relief form shows it.
struct ReliefYear {
    QString year;              // lblfy(i): "2005-06" to "2011-12"
    QString totalIncome;       // txtti(i): the total income of that year
    QString arrears;           // txtarr(i): the arrears of salary relating to that year
    QString category;          // txtcat(i): "General", "Woman", "Senior" or "Very senior"
    QString incomeWithArrears; // txtti2(i): the total income with those arrears
    QString taxOnIncome;       // txttax1(i): the tax on the total income
    QString taxWithArrears;    // txttax2(i): the tax on the total income with arrears
    QString difference;        // txtdiff(i): the second tax less the first
};

// Every text the page shows, exactly as its field stands when Print is pressed.
struct ReliefData {
    QString name;                    // the worksheet's txtname
    QString dateOfBirth;             // dtpdob as shown, dd/MM/yyyy
    QString sex;                     // "Male" or "Female", the option selected
    std::array<QString, 8> items;    // txtitem(1) to txtitem(8): items[0] holds item 1
    std::array<ReliefYear, 7> years; // Table A, 2005-06 to 2011-12; a year without arrears
                                     // has its last four columns empty
    QString downloadPage;            // the program's download page, named in the footer
    QString seniorNote; // the form's note on the scale of a taxpayer of 60 or more, or empty
};

// The page: every text, where it stands and in which font, and its rules.
Page<ReliefData> reliefPage();

// Why the page cannot be printed as it stands, or an empty text when it can.
QString unprintable(const ReliefData& data);

// Prints the page on a portrait sheet and ends the document; true when the page came out.
// `law`: the line that names the law the figures follow, below the page's table; the page
// says nothing of it when it is empty.
bool printRelief(toolkit::Printer& printer, const ReliefData& data, const QString& law);
bool printRelief(toolkit::Printer& printer, const ReliefData& data);

} // namespace reports
