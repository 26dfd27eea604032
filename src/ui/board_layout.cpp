#include "ui/board_layout.h"

namespace board_layout {
namespace {

// Ids by column, height 1 upward; the ids grew out of the order the cells were drawn in.
constexpr int kSmileyIds[kColumns][kColumns] = {
    {1062},
    {1060, 1061},
    {1056, 1058, 1059},
    {1052, 1053, 1054, 1055},
    {1047, 1048, 1049, 1050, 1051},
    {1041, 1042, 1043, 1044, 1045, 1046},
    {1034, 1035, 1036, 1037, 1038, 1039, 1040},
    {1018, 1019, 1020, 1021, 1030, 1031, 1032, 1033},
    {1029, 1028, 1027, 1026, 1025, 1024, 1023, 1022, 1017},
};

// By the column mirrored, mirroring height 1 upward.
constexpr int kMirrorIds[kColumns][kColumns] = {
    {1108},
    {1106, 1107},
    {1103, 1104, 1105},
    {1098, 1100, 1101, 1102},
    {1093, 1094, 1095, 1096, 1097},
    {1087, 1088, 1089, 1090, 1091, 1092},
    {1080, 1081, 1082, 1083, 1084, 1085, 1086},
    {1064, 1065, 1066, 1067, 1076, 1077, 1078, 1079},
    {1075, 1074, 1073, 1072, 1071, 1070, 1069, 1068, 1063},
};

constexpr int kLeft = 55;      // x of column 9
constexpr int kBottom = 148;   // y of row 1
constexpr int kTop = 4;        // y of row 10
constexpr int kColumnStep = 17;
constexpr int kRowStep = 16;

}  // namespace

bool IsSmileyCell(int column, int height)
{
    return column >= 1 && column <= kColumns && height >= 1 && height <= column;
}

int SmileyId(int column, int height)
{
    return IsSmileyCell(column, height) ? kSmileyIds[column - 1][height - 1] : 0;
}

int MirrorId(int column, int height)
{
    return IsSmileyCell(column, height) ? kMirrorIds[column - 1][height - 1] : 0;
}

QPoint SmileyOrigin(int column, int height)
{
    return QPoint(kLeft + kColumnStep * (kColumns - column), kBottom - kRowStep * (height - 1));
}

QPoint MirrorOrigin(int column, int height)
{
    // Column 10 - c, row h counted from the top.
    return QPoint(kLeft + kColumnStep * (column - 1), kTop + kRowStep * (height - 1));
}

}  // namespace board_layout
