#pragma once
// Field descriptors: buffer name, position, length, type code, flag and short name at
// fixed character positions. Callers pass these constants, never texts built at run time.

#include <array>
#include <string_view>

namespace dictionary {

// Start-up and re-hire of the worker.
inline constexpr const char P013[] = "DIPX$,04209,08,D,0,P013";
inline constexpr const char P017[] = "DIPX$,04225,08,D,0,P017";
inline constexpr const char P018[] = "DIPX$,00081,08,A,0,P018";
inline constexpr const char P031[] = "DIPX$,00231,01,N,0,P031";
inline constexpr const char P034[] = "DIPX$,00382,01,N,0,P034";
inline constexpr const char P035[] = "DIPX$,00383,02,N,0,P035";
inline constexpr const char P036[] = "DIPX$,00385,02,N,0,P036";
inline constexpr const char P038[] = "DIPX$,00211,01,N,0,P038";
inline constexpr const char P054[] = "DIPX$,00223,01,N,0,P054";
inline constexpr const char P058[] = "DIPX$,03563,13,5,0,P058";
inline constexpr const char P060[] = "DIPX$,03589,13,5,0,P060";
inline constexpr const char P061[] = "DIPX$,03602,13,5,0,P061";
inline constexpr const char P062[] = "DIPX$,03615,13,5,0,P062";
inline constexpr const char P063[] = "DIPX$,03628,13,5,0,P063";
inline constexpr const char P064[] = "DIPX$,03641,13,5,0,P064";
inline constexpr const char P065[] = "DIPX$,03654,13,5,0,P065";
inline constexpr const char P066[] = "DIPX$,03667,13,5,0,P066";
inline constexpr const char P067[] = "DIPX$,03680,13,5,0,P067";
inline constexpr const char P069[] = "DIPX$,00489,08,2,0,P069";
inline constexpr const char P094[] = "DIPX$,00092,01,N,0,P094";
inline constexpr const char P095[] = "DIPX$,02931,03,A,0,P095";
inline constexpr const char P096[] = "DIPX$,02934,02,A,0,P096";
inline constexpr const char P102[] = "DIPX$,01037,04,A,0,P102";
inline constexpr const char P105[] = "DIPX$,00265,02,N,0,P105";
inline constexpr const char P124[] = "DIPX$,00079,02,A,0,P124";
inline constexpr const char P135[] = "DIPX$,00076,03,A,0,P135";
inline constexpr const char P136[] = "DIPX$,00929,08,N,0,P136";
inline constexpr const char P168[] = "DIPX$,02401,01,N,0,P168";
inline constexpr const char P169[] = "DIPX$,02402,01,N,0,P169";
inline constexpr const char P170[] = "DIPX$,02403,01,N,0,P170";
inline constexpr const char P171[] = "DIPX$,02404,01,N,0,P171";
inline constexpr const char P192[] = "DIPX$,02413,01,N,0,P192";
inline constexpr const char P221[] = "DIPX$,01413,08,2,1,P221";
inline constexpr const char P240[] = "DIPX$,01651,10,2,1,P240";
inline constexpr const char P250[] = "DIPX$,01801,10,2,1,P250";
inline constexpr const char P252[] = "DIPX$,01831,10,2,1,P252";
inline constexpr const char P256[] = "DIPX$,01871,10,2,1,P256";
inline constexpr const char P268[] = "DIPX$,04959,10,2,1,P268";
inline constexpr const char P269[] = "DIPX$,02765,08,2,1,P269";
inline constexpr const char P270[] = "DIPX$,02773,08,2,1,P270";
inline constexpr const char P271[] = "DIPX$,02781,08,2,1,P271";
inline constexpr const char P272[] = "DIPX$,02789,08,2,1,P272";
inline constexpr const char P273[] = "DIPX$,02797,08,2,1,P273";
inline constexpr const char P274[] = "DIPX$,02805,08,2,1,P274";
inline constexpr const char P275[] = "DIPX$,02813,08,2,1,P275";
inline constexpr const char P276[] = "DIPX$,02821,08,2,1,P276";
inline constexpr const char P277[] = "DIPX$,02829,08,2,1,P277";
inline constexpr const char P278[] = "DIPX$,02837,08,2,1,P278";
inline constexpr const char P279[] = "DIPX$,02845,08,2,1,P279";
inline constexpr const char P280[] = "DIPX$,02853,08,2,1,P280";
inline constexpr const char P281[] = "DIPX$,02861,01,N,1,P281";
inline constexpr const char Q001[] = "DIPX$,01010,09,2,0,Q001";
inline constexpr const char Q010[] = "DIPX$,01219,08,2,0,Q010";
inline constexpr const char Q011[] = "DIPX$,00841,08,2,0,Q011";
inline constexpr const char Q012[] = "DIPX$,01051,04,N,0,Q012";
inline constexpr const char Q013[] = "DIPX$,01019,09,2,0,Q013";
inline constexpr const char Q014[] = "DIPX$,01028,09,2,0,Q014";
inline constexpr const char Q052[] = "DIPX$,01821,10,2,0,Q052";
inline constexpr const char Q053[] = "DIPX$,00689,08,2,0,Q053";
inline constexpr const char Q054[] = "DIPX$,01581,10,2,0,Q054";
inline constexpr const char Q055[] = "DIPX$,01611,10,2,0,Q055";
inline constexpr const char Q056[] = "DIPX$,01621,10,2,0,Q056";
inline constexpr const char Q057[] = "DIPX$,01429,08,2,0,Q057";
inline constexpr const char Q058[] = "DIPX$,01631,09,2,0,Q058";
inline constexpr const char Q060[] = "DIPX$,01239,12,A,0,Q060";
inline constexpr const char Q061[] = "DIPX$,00953,08,N,0,Q061";
inline constexpr const char Q062[] = "DIPX$,01235,04,N,0,Q062";
inline constexpr const char Q063[] = "DIPX$,01951,10,2,0,Q063";
inline constexpr const char Q064[] = "DIPX$,01251,02,N,0,Q064";
inline constexpr const char Q065[] = "DIPX$,01253,02,N,0,Q065";
inline constexpr const char Q066[] = "DIPX$,01759,08,2,0,Q066";
inline constexpr const char Q067[] = "DIPX$,01259,08,2,0,Q067";
inline constexpr const char Q068[] = "DIPX$,01509,08,2,0,Q068";
inline constexpr const char Q069[] = "DIPX$,01267,02,N,0,Q069";
inline constexpr const char Q070[] = "DIPX$,01269,02,N,0,Q070";
inline constexpr const char Q071[] = "DIPX$,01533,03,N,0,Q071";
inline constexpr const char Q072[] = "DIPX$,01536,02,N,0,Q072";
inline constexpr const char Q073[] = "DIPX$,01525,08,2,0,Q073";
inline constexpr const char Q074[] = "DIPX$,01287,02,N,0,Q074";
inline constexpr const char Q075[] = "DIPX$,01289,02,N,0,Q075";
inline constexpr const char Q076[] = "DIPX$,01543,03,N,0,Q076";
inline constexpr const char Q077[] = "DIPX$,01546,02,N,0,Q077";
inline constexpr const char Q078[] = "DIPX$,01517,08,2,0,Q078";
inline constexpr const char Q080[] = "DIPX$,01273,02,N,0,Q080";
inline constexpr const char Q081[] = "DIPX$,01538,03,N,0,Q081";
inline constexpr const char Q082[] = "DIPX$,01541,02,N,0,Q082";
inline constexpr const char Q083[] = "DIPX$,01275,08,2,0,Q083";
inline constexpr const char Q084[] = "DIPX$,01283,02,N,0,Q084";
inline constexpr const char Q085[] = "DIPX$,01285,02,N,0,Q085";
inline constexpr const char Q123[] = "DIPX$,03888,04,A,0,Q123";
inline constexpr const char Q124[] = "DIPX$,03892,01,A,0,Q124";
inline constexpr const char Q141[] = "DIPX$,02962,02,N,0,Q141";
inline constexpr const char Q142[] = "DIPX$,02874,12,A,0,Q142";
inline constexpr const char Q143[] = "DIPX$,02886,06,N,0,Q143";
inline constexpr const char Q144[] = "DIPX$,02906,03,N,0,Q144";
inline constexpr const char Q145[] = "DIPX$,02904,02,N,0,Q145";
inline constexpr const char Q146[] = "DIPX$,02892,06,2,0,Q146";
inline constexpr const char Q147[] = "DIPX$,02997,02,N,0,Q147";
inline constexpr const char Q148[] = "DIPX$,02983,02,N,0,Q148";
inline constexpr const char Q149[] = "DIPX$,02898,06,2,0,Q149";
inline constexpr const char Q150[] = "DIPX$,02977,06,2,0,Q150";
inline constexpr const char Q151[] = "DIPX$,02985,02,N,0,Q151";
inline constexpr const char Q152[] = "DIPX$,02987,02,N,0,Q152";
inline constexpr const char Q153[] = "DIPX$,02989,02,N,0,Q153";
inline constexpr const char Q154[] = "DIPX$,02991,02,N,0,Q154";
inline constexpr const char Q155[] = "DIPX$,02993,02,N,0,Q155";
inline constexpr const char Q156[] = "DIPX$,02995,02,N,0,Q156";
inline constexpr const char Q157[] = "DIPX$,02999,01,N,0,Q157";
inline constexpr const char Q158[] = "DIPX$,00267,01,A,0,Q158";
inline constexpr const char Q159[] = "DIPX$,00268,02,A,0,Q159";
inline constexpr const char Q160[] = "DIPX$,00270,01,N,0,Q160";
inline constexpr const char Q161[] = "DIPX$,00273,01,N,0,Q161";
inline constexpr const char Q162[] = "DIPX$,00585,08,2,0,Q162";
inline constexpr const char Q163[] = "DIPX$,00593,08,2,0,Q163";
inline constexpr const char Q168[] = "DIPX$,01961,10,2,0,Q168";
inline constexpr const char Q169[] = "DIPX$,02968,09,2,0,Q169";
inline constexpr const char Q170[] = "DIPX$,01981,10,2,0,Q170";
inline constexpr const char Q171[] = "DIPX$,00387,02,N,0,Q171";
inline constexpr const char Q172[] = "DIPX$,00389,01,N,0,Q172";
inline constexpr const char Q173[] = "DIPX$,01671,10,2,0,Q173";
inline constexpr const char Q174[] = "DIPX$,00849,08,2,0,Q174";
inline constexpr const char Q177[] = "DIPX$,04319,08,D,0,Q177";
inline constexpr const char Q178[] = "DIPX$,04327,08,D,0,Q178";
inline constexpr const char Q179[] = "DIPX$,04375,08,D,0,Q179";
inline constexpr const char Q186[] = "DIPX$,00885,04,N,0,Q186";
inline constexpr const char Q187[] = "DIPX$,00881,04,N,0,Q187";
inline constexpr const char Q191[] = "DIPX$,02700,03,N,1,Q191";
inline constexpr const char Q198[] = "DIPX$,00897,08,2,0,Q198";
inline constexpr const char Q201[] = "DIPX$,00977,08,2,0,Q201";
inline constexpr const char Q204[] = "DIPX$,04779,10,2,0,Q204";
inline constexpr const char Q205[] = "DIPX$,04689,10,2,0,Q205";
inline constexpr const char Q206[] = "DIPX$,04699,10,2,0,Q206";
inline constexpr const char Q207[] = "DIPX$,04709,10,2,0,Q207";
inline constexpr const char Q208[] = "DIPX$,04719,10,2,0,Q208";
inline constexpr const char Q209[] = "DIPX$,04729,10,2,0,Q209";
inline constexpr const char Q210[] = "DIPX$,04739,10,2,0,Q210";
inline constexpr const char Q211[] = "DIPX$,04749,10,2,0,Q211";
inline constexpr const char Q212[] = "DIPX$,04759,10,2,0,Q212";
inline constexpr const char Q213[] = "DIPX$,04769,10,2,0,Q213";
inline constexpr const char Q214[] = "DIPX$,04681,04,N,0,Q214";
inline constexpr const char Q215[] = "DIPX$,04645,04,N,0,Q215";
inline constexpr const char Q216[] = "DIPX$,04649,04,N,0,Q216";
inline constexpr const char Q217[] = "DIPX$,04653,04,N,0,Q217";
inline constexpr const char Q218[] = "DIPX$,04657,04,N,0,Q218";
inline constexpr const char Q219[] = "DIPX$,04661,04,N,0,Q219";
inline constexpr const char Q220[] = "DIPX$,04665,04,N,0,Q220";
inline constexpr const char Q221[] = "DIPX$,04669,04,N,0,Q221";
inline constexpr const char Q222[] = "DIPX$,04673,04,N,0,Q222";
inline constexpr const char Q223[] = "DIPX$,04677,04,N,0,Q223";
inline constexpr const char Q225[] = "DIPX$,01333,08,2,0,Q225";
inline constexpr const char Q226[] = "DIPX$,01341,08,2,0,Q226";
inline constexpr const char Q227[] = "DIPX$,01349,08,2,0,Q227";
inline constexpr const char Q228[] = "DIPX$,01357,08,2,0,Q228";

// Worker key and names: start-up and the selection window.
inline constexpr const char P001[] = "DIPX$,00003,10,A,0,P001";
inline constexpr const char P002[] = "DIPX$,09515,30,A,0,P002";
inline constexpr const char P003[] = "DIPX$,09545,30,A,0,P003";

// Selection window.
inline constexpr const char T001[] = "DITX$,00003,03,N,0,T001";
inline constexpr const char T002[] = "DITX$,00006,30,A,0,T002";
inline constexpr const char T261[] = "DITX$,00001,02,N,1,T261";
inline constexpr const char P176[] = "DIPX$,00006,03,N,1,P176";

// Data-entry window.
inline constexpr const char T038[] = "DITX$,01507,08,A,0,T038";
inline constexpr const char T039[] = "DITX$,01515,08,A,0,T039";
inline constexpr const char T040[] = "DITX$,01523,08,A,0,T040";
inline constexpr const char T041[] = "DITX$,01531,08,A,0,T041";
inline constexpr const char T042[] = "DITX$,01539,08,A,0,T042";
inline constexpr const char T043[] = "DITX$,01547,08,A,0,T043";
inline constexpr const char T067[] = "DITX$,01377,04,A,0,T067";
inline constexpr const char TA47[] = "DITX$,06376,12,A,0,TA47";
inline constexpr const char TA48[] = "DITX$,06388,12,A,0,TA48";
inline constexpr const char TA49[] = "DITX$,06400,12,A,0,TA49";
inline constexpr const char TA50[] = "DITX$,06412,12,A,0,TA50";
inline constexpr const char TA51[] = "DITX$,06424,12,A,0,TA51";
inline constexpr const char TA52[] = "DITX$,06436,12,A,0,TA52";
inline constexpr const char P050[] = "DIPX$,00217,01,N,0,P050";
inline constexpr const char P175[] = "DIPX$,00003,03,N,1,P175";
inline constexpr const char S002[] = "SETX$,00385,16,A,0,S002";
inline constexpr const char S004[] = "SETX$,00006,05,2,0,S004";
inline constexpr const char S005[] = "SETX$,00011,05,2,0,S005";
inline constexpr const char S006[] = "SETX$,00016,05,2,0,S006";
inline constexpr const char S007[] = "SETX$,00021,05,2,0,S007";
inline constexpr const char S204[] = "SETX$,00001,02,N,1,S204";

// The worker fields that survive a re-hire, in the order they are copied.
inline constexpr std::array<std::string_view, 156> CAMPI_CONSERVATI = {
    P001, P002, P003, P013, P017, P018, P031, P034, P035, P036, P038, P054, P058, P060, P061, P062,
    P063, P064, P065, P066, P067, P069, P094, P095, P096, P102, P105, P124, P135, P136, P168, P169,
    P170, P171, P192, P221, P240, P250, P252, P256, P268, P269, P270, P271, P272, P273, P274, P275,
    P276, P277, P278, P279, P280, P281, Q001, Q010, Q011, Q012, Q013, Q014, Q052, Q053, Q054, Q055,
    Q056, Q057, Q058, Q060, Q061, Q062, Q063, Q064, Q065, Q066, Q067, Q068, Q069, Q070, Q071, Q072,
    Q073, Q074, Q075, Q076, Q077, Q078, Q080, Q081, Q082, Q083, Q084, Q085, Q123, Q124, Q141, Q142,
    Q143, Q144, Q145, Q146, Q147, Q148, Q149, Q150, Q151, Q152, Q153, Q154, Q155, Q156, Q157, Q158,
    Q159, Q160, Q161, Q162, Q163, Q168, Q169, Q170, Q171, Q172, Q173, Q174, Q177, Q178, Q179, Q186,
    Q187, Q191, Q198, Q201, Q204, Q205, Q206, Q207, Q208, Q209, Q210, Q211, Q212, Q213, Q214, Q215,
    Q216, Q217, Q218, Q219, Q220, Q221, Q222, Q223, Q225, Q226, Q227, Q228,
};

}  // namespace dictionary
