#pragma once

#include <functional>
#include <string>

class GameTableScope;
class ScreenDriver;

// Called at each stop of a tour with the page's name and the id of an element
// worth hovering over (-1: none).
using TourStop = std::function<void(const std::string& page, int hoverId)>;

// Walks the menu as a player does through every page of its own: main,
// difficulty, mode, both ends of the game list, picture, statistics with its
// progress page (a game with plays, one without) and reset question, help.
void TourMenuPages(ScreenDriver& driver, const TourStop& stop);

// Walks every page over hosted games (countdown, pause, game help, game
// statistics, the end, result naming), then a test of two games to its
// result page. Hosts games at table indices 14 and 15.
void TourHostedPages(ScreenDriver& driver, GameTableScope& table, const TourStop& stop);

// Some results and a history of plays, so that the statistics pages and the
// progress page have something to show.
void FillStatistics(ScreenDriver& driver);
