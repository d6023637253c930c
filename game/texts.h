// The texts the game shows: the three score boxes, the messages and the marquee line.
#pragma once

#include <string>
#include <vector>

// "Punteggio: " and the score with at least 5 digits, zero-filled ("Punteggio: 01500").
std::string scoreBoxText(int score);
// "Livello: " and the level with at least 2 digits ("Livello: 03").
std::string levelBoxText(int level);
// "Vite: " and the lives as a plain number ("Vite: 999").
std::string livesBoxText(int lives);

// "Classifica: " + rank + "\xB0 Punteggio " + line; 0xB0 is the degree sign of code page
// 1252, the Italian ordinal mark (rank 1 reads "1\xB0").
std::string marqueeLineText(int rank, const std::string& line);

// One step of the rotating leaderboard strip. Shows line `index` and moves on; after the last
// line one empty period, then line 1 again. Returns false when there are no lines: the strip
// and the index stay as they are. The index is kept by the caller and is not reset when the
// lines are reloaded, so an index past the end gives the empty period and restarts.
bool advanceMarquee(const std::vector<std::string>& lines, int& index, std::string& text);

extern const char* const MessageLevelDone; // "Livello completato!"
extern const char* const MessageGameWon;   // "Bravo. Gioco completato!"
extern const char* const MessageGameOver;  // "Fine gioco!"
