#pragma once
// "Glyphon.Ini" as a first run writes it, byte for byte.

#include <QByteArray>

inline const QByteArray kFirstRunGlyphonIni = "[Play Music]\r\nFalse\r\n\r\n"
                                              "[Time]\r\n45\r\n\r\n"
                                              "[Play Sounds]\r\nTrue\r\n\r\n"
                                              "[Count Down Score]\r\nTrue\r\n\r\n"
                                              "[Topic]\r\n0\r\n\r\n"
                                              "[Time Bonus]\r\n100\r\n\r\n"
                                              "[Bonus Score]\r\n250000\r\n\r\n"
                                              "[Completion Bonus]\r\n10000\r\n\r\n"
                                              "[Guess Bonus]\r\n3000\r\n\r\n"
                                              "[Guess Count]\r\n8\r\n\r\n"
                                              "[ShowPhrase]\r\n5000\r\n\r\n"
                                              "[State]\r\n0\r\n\r\n"
                                              "[Width]\r\n9570\r\n\r\n"
                                              "[Height]\r\n7200\r\n\r\n"
                                              "[Topic]\r\n0\r\n\r\n";
