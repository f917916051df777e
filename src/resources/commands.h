// Every menu and accelerator command id, by name. The C++ code uses the
// constants (appcmd::Divisor); the resource scripts write the same names
// ("MENUITEM "&Divisor ...", appcmd::Divisor") and parseRc looks them up in
// this table, so each number is written here and nowhere else. A range of
// commands is named by its first id, and the scripts add to it
// ("appcmd::MethodBase+9"), within the range's length that
// QUAN_COMMAND_RANGES gives.
//
// Several windows answer the same number (330 is the Help of each File
// menu): each room names it in its own namespace, so a window reads its
// commands from one place.
#pragma once

#include <string_view>

// X(namespace, name, value); a value may name an earlier entry.
#define QUAN_COMMANDS(X)                                                                                  \
    /* The main window and the file commands of every document window. */                               \
    X(cm, Open, 59)                                                                                       \
    X(cm, Save, 57)                                                                                       \
    X(cm, SaveAs, 58)                                                                                     \
    X(cm, Exit, 361)                                                                                      \
    X(cm, FileHelp, 330)                                                                                  \
    X(cm, Print, 303)                                                                                     \
    X(cm, Format, 304)                                                                                    \
    X(cm, SelectPrinter, 93)                                                                              \
    X(cm, DecimalPlaces, 362)                                                                             \
    X(cm, Lunch, 399)                                                                                     \
    X(cm, OpenLast, 48)                                                                                   \
    X(cm, UseDefaults, 49)                                                                                \
    X(cm, QuitApp, 24310)                                                                                 \
    X(cm, ProgHelp, 354)                                                                                  \
    X(cm, About, 355)                                                                                     \
    /* The Window menu: one command per document kind. */                                                \
    X(cm, WindowApportionment, 401)                                                                       \
    X(cm, WindowGraphs, 402)                                                                              \
    X(cm, WindowBanzhaf, 403)                                                                             \
    X(cm, WindowVoting, 404)                                                                              \
    X(cm, WindowPacking, 405)                                                                             \
    X(cm, WindowScheduling, 406)                                                                          \
    /* Text windows, the font table and the colour window. */                                            \
    X(textcmd, Print, 97)                                                                                 \
    X(textcmd, SelectPrinter, 93)                                                                         \
    X(textcmd, Offsets, 304)                                                                              \
    X(textcmd, Copy, 95)                                                                                  \
    X(textcmd, Cut, 96)                                                                                   \
    X(textcmd, Paste, 99)                                                                                 \
    X(textcmd, SelectAll, 119)                                                                            \
    X(textcmd, Search, 353)                                                                               \
    X(textcmd, Next, 352)                                                                                 \
    X(textcmd, RestartAtTop, 53)                                                                          \
    X(textcmd, Font, 61)                                                                                  \
    X(textcmd, MinusSigns, 92)                                                                            \
    X(textcmd, SearchHelp, 351)                                                                           \
    X(textcmd, Close, 357)                                                                                \
    X(textcmd, FileHelp, 330)                                                                             \
    X(textcmd, EditHelp, 358)                                                                             \
    /* FontSlot0 + k opens the font dialog of slot k (0..9). */                                          \
    X(textcmd, FontSlot0, 60)                                                                             \
    X(textcmd, FontSlot9, 69)                                                                             \
    /* ColorRole0 + k opens the colour window of colour role k (0..14). */                               \
    X(textcmd, ColorRole0, 200)                                                                           \
    X(textcmd, ColorRole14, 214)                                                                          \
    /* The table windows' shared items (File, Arrange and Format popups). */                             \
    X(textcmd, TextOut, 747)                                                                              \
    X(textcmd, TexOutput, 738)                                                                            \
    X(textcmd, Increasing, 744)                                                                           \
    X(textcmd, RowNumbers, 748)                                                                           \
    X(textcmd, TableFont, textcmd::FontSlot0)                                                             \
    X(textcmd, Notebook, 675)                                                                             \
    X(textcmd, ArrangeHelp, 333)                                                                          \
    X(textcmd, FormatHelp, 335)                                                                           \
    /* Picture windows: File menu. */                                                                    \
    X(gcm, Print, cm::Print)                                                                              \
    X(gcm, Format, cm::Format)                                                                            \
    X(gcm, SelectPrinter, cm::SelectPrinter)                                                              \
    X(gcm, Simulprint, 307)                                                                               \
    X(gcm, CopyToClipboard, 311)                                                                          \
    X(gcm, BitmapToClipboard, 310)                                                                        \
    X(gcm, Metafile, 370)                                                                                 \
    X(gcm, ExportEps, 85)                                                                                 \
    X(gcm, ExportSvg, 87)                                                                                 \
    X(gcm, ExportPicTeX, 70)                                                                              \
    X(gcm, ExportBmp, 374)                                                                                \
    X(gcm, ImageSize, 90)                                                                                 \
    X(gcm, WithBackColor, 221)                                                                            \
    X(gcm, HighResolution, 1600)                                                                          \
    X(gcm, Notebook, 75)                                                                                  \
    X(gcm, DecimalPlaces, cm::DecimalPlaces)                                                              \
    X(gcm, DecimalPlacesMisc, 105)                                                                        \
    X(gcm, FileHelp, 330)                                                                                 \
    X(gcm, ViewHelp, 331)                                                                                 \
    X(gcm, ColorsHelp, 332)                                                                               \
    /* Picture windows: View menu. */                                                                    \
    X(gcm, ViewDialog, 104)                                                                               \
    X(gcm, ZoomOut, 106)                                                                                  \
    X(gcm, ZoomIn, 107)                                                                                   \
    X(gcm, Factor, 108)                                                                                   \
    X(gcm, ShiftLeft, 322)                                                                                \
    X(gcm, ShiftRight, 323)                                                                               \
    X(gcm, ShiftDown, 324)                                                                                \
    X(gcm, ShiftUp, 325)                                                                                  \
    X(gcm, Percentage, 321)                                                                               \
    X(gcm, LastWindow, 111)                                                                               \
    X(gcm, AspectOne, 117)                                                                                \
    X(gcm, Axes, 109)                                                                                     \
    X(gcm, SolidArrowheads, 110)                                                                          \
    X(gcm, Opaque, 220)                                                                                   \
    X(gcm, Grid, 320)                                                                                     \
    X(gcm, AxesScreen, 100)                                                                               \
    X(gcm, AxesPrinted, 101)                                                                              \
    X(gcm, GridScreen, 150)                                                                               \
    X(gcm, GridPrinted, 151)                                                                              \
    X(gcm, HyphenToMinus, 92)                                                                             \
    /* Picture windows: mouse modes. */                                                                  \
    X(gcm, ModeDrawing, 120)                                                                              \
    X(gcm, ModeVertexMove, 122)                                                                           \
    X(gcm, ModeText, 123)                                                                                 \
    X(gcm, ModeGraphics, 124)                                                                             \
    X(gcm, ModeCoordinates, 125)                                                                          \
    X(gcm, ModeRotate, 126)                                                                               \
    X(gcm, ModeArrows, 127)                                                                               \
    /* The apportionment window. */                                                                      \
    X(appcmd, HelpFile, 330)                                                                              \
    X(appcmd, HelpData, 331)                                                                              \
    X(appcmd, HelpMethod, 332)                                                                            \
    X(appcmd, HelpArrange, textcmd::ArrangeHelp)                                                          \
    X(appcmd, HelpOther, 334)                                                                             \
    X(appcmd, HelpFormat, textcmd::FormatHelp)                                                            \
    /* CensusFirst + k loads census k (1790 + 10k); CensusVariantFirst + j */                            \
    /* the variant sets a..d. */                                                                         \
    X(appcmd, CensusFirst, 579)                                                                           \
    X(appcmd, CensusVariantFirst, 620)                                                                    \
    X(appcmd, CensusVariantLast, 623)                                                                     \
    X(appcmd, StateCount, 671)                                                                            \
    X(appcmd, DeleteRows, 672)                                                                            \
    X(appcmd, ColumnWidth, 673)                                                                           \
    X(appcmd, QuotaPlaces, 674)                                                                           \
    X(appcmd, Notebook, textcmd::Notebook)                                                                \
    /* MethodBase + i chooses method i (0..9). */                                                        \
    X(appcmd, MethodBase, 680)                                                                            \
    X(appcmd, Divisor, 690)                                                                               \
    X(appcmd, Watch, 691)                                                                                 \
    X(appcmd, PriorityList, 692)                                                                          \
    X(appcmd, Register, 693)                                                                              \
    X(appcmd, Summary, 694)                                                                               \
    X(appcmd, ZeroSummary, 695)                                                                           \
    X(appcmd, ElectoralPower, 696)                                                                        \
    X(appcmd, ByPopulation, 740)                                                                          \
    X(appcmd, ByDistrict, 741)                                                                            \
    X(appcmd, ByName, 742)                                                                                \
    X(appcmd, ByCritical, 743)                                                                            \
    X(appcmd, Increasing, textcmd::Increasing)                                                            \
    X(appcmd, RowNumbers, textcmd::RowNumbers)                                                            \
    X(appcmd, TextOut, textcmd::TextOut)                                                                  \
    X(appcmd, TexOutput, textcmd::TexOutput)                                                              \
    /* The divisor watch plot. */                                                                        \
    X(divcmd, HelpFile, 330)                                                                              \
    X(divcmd, HelpView, 331)                                                                              \
    X(divcmd, HelpMisc, 332)                                                                              \
    /* The weighted-voting window and the Electoral College. */                                          \
    X(bancmd, HelpFile, 330)                                                                              \
    X(bancmd, HelpEdit, 331)                                                                              \
    X(bancmd, HelpCalc, 332)                                                                              \
    X(bancmd, HelpArrange, textcmd::ArrangeHelp)                                                          \
    X(bancmd, HelpFormat, textcmd::FormatHelp)                                                            \
    X(bancmd, BlocCount, 671)                                                                             \
    X(bancmd, DeleteRows, 672)                                                                            \
    X(bancmd, ColumnWidth, 673)                                                                           \
    X(bancmd, Notebook, textcmd::Notebook)                                                                \
    X(bancmd, Range, 718)                                                                                 \
    X(bancmd, NewRandom, 753)                                                                             \
    X(bancmd, AllCases, 754)                                                                              \
    X(bancmd, MonteCarlo, 755)                                                                            \
    X(bancmd, Banzhaf, 756)                                                                               \
    X(bancmd, Shapley, 757)                                                                               \
    X(bancmd, Opposition, 758)                                                                            \
    X(bancmd, LargeUnit, 759)                                                                             \
    X(bancmd, SmallUnit, 760)                                                                             \
    X(bancmd, Quota, 761)                                                                                 \
    X(bancmd, Exact, 762)                                                                                 \
    X(bancmd, ByWeight, 740)                                                                              \
    X(bancmd, ByName, 742)                                                                                \
    X(bancmd, Increasing, textcmd::Increasing)                                                            \
    X(bancmd, RowNumbers, textcmd::RowNumbers)                                                            \
    X(bancmd, TextOut, textcmd::TextOut)                                                                  \
    X(bancmd, TexOutput, textcmd::TexOutput)                                                              \
    X(bancmd, HelpMisc, 334)                                                                              \
    X(bancmd, Calculations, 763)                                                                          \
    /* The calculations worksheet (PIVMENU): ColorBackground + k edits its */                            \
    /* colour k (background, table, wins, pivotal). */                                                   \
    X(bancmd, PivTextOut, textcmd::TextOut)                                                               \
    X(bancmd, PivClose, textcmd::Close)                                                                   \
    X(bancmd, PivHelpFile, 330)                                                                           \
    X(bancmd, PivHelpFormat, 331)                                                                         \
    X(bancmd, PivHelpColors, 332)                                                                         \
    X(bancmd, PivColorFirst, textcmd::ColorRole0)                                                         \
    X(bancmd, PivColorLast, 203)                                                                          \
    /* The bin-packing window. */                                                                        \
    X(packcmd, HelpFile, 330)                                                                             \
    X(packcmd, HelpView, 331)                                                                             \
    X(packcmd, HelpBtns, 332)                                                                             \
    X(packcmd, HelpMisc, 333)                                                                             \
    X(packcmd, Autofit, 703)                                                                              \
    X(packcmd, Random, 715)                                                                               \
    X(packcmd, Restore, 730)                                                                              \
    X(packcmd, Paste, 752)                                                                                \
    X(packcmd, Shuffle, 753)                                                                              \
    X(packcmd, DeleteText, 113)                                                                           \
    X(packcmd, CopySolution, 850)                                                                         \
    X(packcmd, CopyExample, 851)                                                                          \
    X(packcmd, Optimum, 852)                                                                              \
    X(packcmd, ItemSizes, 853)                                                                            \
    /* The graph window. */                                                                              \
    X(grcmd, HelpFile, 330)                                                                               \
    X(grcmd, HelpEdit, 331)                                                                               \
    X(grcmd, HelpView, 332)                                                                               \
    X(grcmd, HelpBtns, 333)                                                                               \
    X(grcmd, HelpMisc, 334)                                                                               \
    X(grcmd, PasteCoordinates, 745)                                                                       \
    X(grcmd, PasteAdjacencies, 746)                                                                       \
    X(grcmd, PasteWeights, 749)                                                                           \
    X(grcmd, ZeroBased, 750)                                                                              \
    X(grcmd, RedrawDeletion, 650)                                                                         \
    /* IconFirst + k gives every vertex icon kind k (0..4), TextFirst + k */                             \
    /* text kind k (0..3). */                                                                            \
    X(grcmd, IconFirst, 630)                                                                              \
    X(grcmd, IconLast, 634)                                                                               \
    X(grcmd, TextFirst, 635)                                                                              \
    X(grcmd, TextLast, 638)                                                                               \
    X(grcmd, LabelsHome, 719)                                                                             \
    X(grcmd, LabelsOffset, 720)                                                                           \
    X(grcmd, SingleLabels, 736)                                                                           \
    X(grcmd, Weights, 705)                                                                                \
    X(grcmd, Digraph, 704)                                                                                \
    X(grcmd, Autofit, 703)                                                                                \
    X(grcmd, IconSize, 702)                                                                               \
    X(grcmd, Data, 732)                                                                                   \
    X(grcmd, Definition, 747)                                                                             \
    X(grcmd, HelpAlgo, 335)                                                                               \
    X(grcmd, HamiltonianCircuit, 721)                                                                     \
    X(grcmd, HamiltonianPath, 722)                                                                        \
    X(grcmd, TspNearest, 724)                                                                             \
    X(grcmd, TspSorted, 725)                                                                              \
    X(grcmd, TspRandom, 729)                                                                              \
    X(grcmd, TspBest, 734)                                                                                \
    X(grcmd, TspImprove, 800)                                                                             \
    X(grcmd, Eulerian, 731)                                                                               \
    X(grcmd, Refresh, 730)                                                                                \
    X(grcmd, SlowMotion, 707)                                                                             \
    X(grcmd, HamiltonianExact, 855)                                                                       \
    X(grcmd, TspOptimal, 856)                                                                             \
    X(grcmd, Color, 733)                                                                                  \
    X(grcmd, UseNumbers, 708)                                                                             \
    X(grcmd, WelshPowell, 842)                                                                            \
    X(grcmd, Kruskal, 726)                                                                                \
    X(grcmd, Prim, 727)                                                                                   \
    X(grcmd, MinimalWeight, 706)                                                                          \
    X(grcmd, Dijkstra, 728)                                                                               \
    X(grcmd, Orient, 723)                                                                                 \
    X(grcmd, SolutionOnly, 764)                                                                           \
    X(grcmd, Complement, 713)                                                                             \
    X(grcmd, Complete, 801)                                                                               \
    X(grcmd, Distances, 802)                                                                              \
    X(grcmd, WeightRange, 718)                                                                            \
    /* Notations and the graph6 viewer. */                                                               \
    X(grcmd, PasteGraph6, 793)                                                                            \
    X(grcmd, Graph6Notation, 794)                                                                         \
    X(grcmd, Sparse6Notation, 795)                                                                        \
    X(grcmd, PasteLcf, 863)                                                                               \
    X(grcmd, CubicFirst, 810)                                                                             \
    X(grcmd, ClassicFirst, 846)                                                                           \
    X(grcmd, SnarkFirst, 864)                                                                             \
    X(grcmd, OtherCollection, 830)                                                                        \
    X(grcmd, ExamplePlus1, 820)                                                                           \
    X(grcmd, ExamplePlus10, 821)                                                                          \
    X(grcmd, ExamplePlus100, 822)                                                                         \
    X(grcmd, NextCollection, 823)                                                                         \
    X(grcmd, ExampleMinus1, 825)                                                                          \
    X(grcmd, ExampleMinus10, 826)                                                                         \
    X(grcmd, ExampleMinus100, 827)                                                                        \
    X(grcmd, HelpViewer, 336)                                                                             \
    /* Generators: File New, Paste Valences, Edit Randomize, the named graphs. */                         \
    X(grcmd, NewCircle, 796)                                                                              \
    X(grcmd, NewComplete, 709)                                                                            \
    X(grcmd, NewCirclePoints, 797)                                                                        \
    X(grcmd, NewCirculant, 799)                                                                           \
    X(grcmd, NewGrid, 710)                                                                                \
    X(grcmd, NewGridPoints, 798)                                                                          \
    X(grcmd, NewPoint, 714)                                                                               \
    X(grcmd, RandomTsp, 712)                                                                              \
    X(grcmd, RandomKruskal, 711)                                                                          \
    X(grcmd, RandomTree, 781)                                                                             \
    X(grcmd, RandomPlanar, 845)                                                                           \
    X(grcmd, RandomReset, 849)                                                                            \
    X(grcmd, PasteValences, 752)                                                                          \
    X(grcmd, PasteConnected, 780)                                                                         \
    X(grcmd, Prism, 784)                                                                                  \
    X(grcmd, Moebius, 785)                                                                                \
    X(grcmd, Petersen, 782)                                                                               \
    X(grcmd, RandomizeConnections, 717)                                                                   \
    X(grcmd, RandomizeDirections, 716)                                                                    \
    X(grcmd, RandomizeWeights, 715)                                                                       \
    X(grcmd, Dodecahedron, 786)                                                                           \
    X(grcmd, FaulknerYounger42, 883)                                                                      \
    X(grcmd, FaulknerYounger44, 885)                                                                      \
    X(grcmd, Thomassen94, 888)                                                                            \
    X(grcmd, Tutte46, 886)                                                                                \
    X(grcmd, Herschel, 790)                                                                               \
    X(grcmd, Grinberg42, 882)                                                                             \
    X(grcmd, Grinberg44, 884)                                                                             \
    X(grcmd, Grinberg46, 887)                                                                             \
    X(grcmd, Barnette38, 881)                                                                             \
    X(grcmd, Utilities, 1700)                                                                             \
    X(grcmd, GoldnerHarary, 1701)                                                                         \
    X(grcmd, Grotzsch, 1702)                                                                              \
    X(grcmd, Desargues, 1703)                                                                             \
    X(grcmd, Heawood, 1704)                                                                               \
    X(grcmd, Holt, 1705)                                                                                  \
    X(grcmd, KnightBoard, 1706)                                                                           \
    X(grcmd, StatesMap, 1800)                                                                             \
    X(grcmd, HelpNew, 1707)                                                                               \
    X(grcmd, PolyhedralTest, 831)                                                                         \
    X(grcmd, NextView, 824)                                                                               \
    X(grcmd, Schlegel, 791)                                                                               \
    /* Squared rectangles. */                                                                            \
    X(grcmd, PasteBouwkamp, 833)                                                                          \
    X(grcmd, HideGraph, 834)                                                                              \
    X(grcmd, HideSquares, 835)                                                                            \
    X(grcmd, RestoreSegments, 836)                                                                        \
    X(grcmd, Numerals, 837)                                                                               \
    X(grcmd, VerticalSegments, 838)                                                                       \
    X(grcmd, SquaredLibrary, 839)                                                                         \
    X(grcmd, BouwkampNotation, 841)                                                                       \
    /* View rotation, print thickness, the toolbar. */                                                    \
    X(grcmd, Rotate, 700)                                                                                 \
    X(grcmd, Angle, 701)                                                                                  \
    X(grcmd, ThickenPrint, 735)                                                                           \
    X(grcmd, Toolbar, 840)                                                                                \
    /* The scheduling window: its own items; the rest are the graph window's. */                         \
    X(schedcmd, HelpFile, 330)                                                                            \
    X(schedcmd, HelpEdit, 331)                                                                            \
    X(schedcmd, HelpView, 332)                                                                            \
    X(schedcmd, HelpBtns, 333)                                                                            \
    X(schedcmd, HelpMisc, 334)                                                                            \
    X(schedcmd, Paste, 751)                                                                               \
    X(schedcmd, HomeWeights, 766)                                                                         \
    X(schedcmd, OffsetWeights, 767)                                                                       \
    X(schedcmd, ArrowFlip, gcm::ModeArrows)                                                               \
    X(schedcmd, CopySchedule, 854)                                                                        \
    X(schedcmd, CopyDigraph, 853)                                                                         \
    X(schedcmd, GridPoints, 798)                                                                          \
    X(schedcmd, WeightRange, 718)                                                                         \
    /* Fonts and colours by the slot and role numbers of this menu. */                                   \
    X(schedcmd, FontLabels, 60)                                                                           \
    X(schedcmd, FontWeights, 62)                                                                          \
    X(schedcmd, FontSummary, 67)                                                                          \
    X(schedcmd, FontTimes, 69)                                                                            \
    X(schedcmd, ColorBackground, 200)                                                                     \
    X(schedcmd, ColorIcons, 202)                                                                          \
    X(schedcmd, ColorLabels, 204)                                                                         \
    X(schedcmd, ColorWeights, 205)                                                                        \
    X(schedcmd, ColorEdges, 206)                                                                          \
    X(schedcmd, ColorSummary, 207)                                                                        \
    X(schedcmd, ColorTimes, 211)                                                                          \
    X(schedcmd, ColorTaskCells, 212)                                                                      \
    X(schedcmd, ColorIdleTime, 213)                                                                       \
    /* The election window. */                                                                            \
    X(votcmd, HelpFile, 330)                                                                              \
    X(votcmd, HelpView, 331)                                                                              \
    X(votcmd, Condorcet, 770)                                                                             \
    X(votcmd, Plurality, 771)                                                                             \
    X(votcmd, Borda, 772)                                                                                 \
    X(votcmd, SaveGraph, 773)                                                                             \
    X(votcmd, Points, 775)                                                                                \
    X(votcmd, Runoffs, 777)                                                                               \
    X(votcmd, Graph, 778)                                                                                 \
    X(votcmd, Notebook, gcm::Notebook)

// R(namespace, first, count): the commands first .. first + count - 1.
#define QUAN_COMMAND_RANGES(R)                                                                            \
    R(textcmd, FontSlot0, 10)                                                                             \
    R(textcmd, ColorRole0, 15)                                                                            \
    R(appcmd, CensusFirst, 23)                                                                            \
    R(appcmd, CensusVariantFirst, 4)                                                                      \
    R(appcmd, MethodBase, 10)                                                                             \
    R(grcmd, IconFirst, 5)                                                                                \
    R(grcmd, TextFirst, 4)                                                                                \
    R(grcmd, CubicFirst, 9)                                                                               \
    R(grcmd, ClassicFirst, 3)                                                                             \
    R(grcmd, SnarkFirst, 7)                                                                               \
    R(bancmd, PivColorFirst, 4)

namespace quan {

#define QUAN_DEFINE_COMMAND(ns, name, value)                                                              \
    namespace ns {                                                                                        \
    inline constexpr int name = value;                                                                    \
    }
QUAN_COMMANDS(QUAN_DEFINE_COMMAND)
#undef QUAN_DEFINE_COMMAND

// The id of a command named as in the scripts ("appcmd::Divisor"); -1 when
// no command has that name.
int commandId(std::string_view name);
// How many commands the range that starts at a named command holds; 0 when
// the name starts no range.
int commandRangeLength(std::string_view name);

} // namespace quan
