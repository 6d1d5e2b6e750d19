#pragma once
// "Sumbry.Ini" as a first run writes it, byte for byte.

#include <QByteArray>

inline const QByteArray kFirstRunSumbryIni = "[Color]\r\n1\r\n\r\n"
                                             "[Play Music]\r\nFalse\r\n\r\n"
                                             "[Time]\r\n90\r\n\r\n"
                                             "[DrawTimer]\r\nTrue\r\n\r\n"
                                             "[Play Sounds]\r\nTrue\r\n\r\n"
                                             "[CardGoal]\r\n11\r\n\r\n"
                                             "[Bonus Round Score]\r\n80000\r\n\r\n"
                                             "[Completion Bonus]\r\n10000\r\n\r\n"
                                             "[Elevens Bonus]\r\n1500\r\n\r\n"
                                             "[Elevens Bonus ES]\r\n1000\r\n\r\n"
                                             "[Time Bonus]\r\n100\r\n\r\n"
                                             "[State]\r\n0\r\n\r\n"
                                             "[New Score Mode]\r\nTrue\r\n\r\n"
                                             "[Width]\r\n9540\r\n\r\n"
                                             "[Height]\r\n7200\r\n\r\n"
                                             "[Deck]\r\n1\r\n\r\n";
