#pragma once
// "Marvane.Ini" as a first run writes it, byte for byte.

#include <QByteArray>

inline const QByteArray kFirstRunMarvaneIni = "[Time]\r\n75\r\n\r\n"
                                              "[Play Sounds]\r\nTrue\r\n\r\n"
                                              "[Play Music]\r\nFalse\r\n\r\n"
                                              "[Count Down Score]\r\nTrue\r\n\r\n"
                                              "[Deck]\r\n1\r\n\r\n"
                                              "[Time Bonus]\r\n1\r\n\r\n"
                                              "[Bonus Score]\r\n100000\r\n\r\n"
                                              "[Pair Score]\r\n50\r\n\r\n"
                                              "[Two Pair Score]\r\n70\r\n\r\n"
                                              "[Trips Score]\r\n80\r\n\r\n"
                                              "[Flush Score]\r\n100\r\n\r\n"
                                              "[Full House Score]\r\n200\r\n\r\n"
                                              "[Straight Score]\r\n90\r\n\r\n"
                                              "[Four Score]\r\n300\r\n\r\n"
                                              "[Straight Flush Score]\r\n400\r\n\r\n"
                                              "[Royal Flush Score]\r\n500\r\n\r\n"
                                              "[Over Writes]\r\n3\r\n\r\n"
                                              "[State]\r\n0\r\n\r\n"
                                              "[Width]\r\n9540\r\n\r\n"
                                              "[Height]\r\n7305\r\n\r\n";
