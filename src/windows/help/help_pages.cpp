// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help/help_pages.h"

namespace hexaline::help {

namespace {

// 1: Overview.
constexpr char kOverview[] = R"(
<h3>Welcome to Hexaline</h3>
<p>Thank you for playing! Hexaline is a game of colours and shapes for up to four players, people
and computer players, with room for five more who just watch.</p>
<p>108 tiles come in six colours (purple, yellow, orange, red, blue and green) and six shapes
(car, smiley face, flower, heart, peace sign and bubbles), three of each kind. You hold six tiles
and lay them on a 12 &times; 12 board in lines where every tile shares its colour and differs in
shape, or shares its shape and differs in colour. Long lines score well; a line of all six scores
best.</p>
<p>Started on its own, Hexaline opens a solo game against the computer player Klot. Press
<b>START GAME</b> to begin. The other pages of this help explain how to connect with friends, how
to play and score, and what every menu entry does. Have fun!</p>
)";

// 2: Connecting.
constexpr char kConnecting[] = R"(
<h3>Solo games</h3>
<p>Run <code>hexaline</code> without arguments. You play seat 1 as &ldquo;You&rdquo; against the
computer on seat 2. The game is played on your own machine: the program hosts the game and joins
it through the loopback address 127.0.0.1, so a firewall that blocks programs from the local
network can stop even a solo game. Allow <code>hexaline</code> to use the network. A solo game
is open to this machine only, and when port 7772 is taken it uses another free port.</p>
<h3>Hosting a game</h3>
<p>Choose <b>File &gt; Host a Game&hellip;</b> (or <b>Play with Others</b> on the first window),
give your name and the port (7772 unless you change it), and press <b>Host</b>. Leave <b>Let
players on the local network find this game</b> on, and your friends at home see it in their list
at once. With <b>Let friends join from a web browser</b> on, a friend without the program can play
from a web browser too. You sit on seat 1 and press <b>START GAME</b> when everybody is
seated.</p>
<h3>Joining a game</h3>
<p>Choose <b>File &gt; Join a Game&hellip;</b>. Games hosted on your local network appear in the
list within two seconds, with the host's name, the seats taken, whether a game is running, and the
address and port; double-click one to join it. A game elsewhere is joined by typing the host's
name or address (IPv4, or IPv6 such as <code>::1</code>) and the port. The dialog remembers your
name and the last five addresses.</p>
<p>If the host leaves, your window stays open and says so (&ldquo;The host has ended the
game.&rdquo; or &ldquo;The connection to the host was lost.&rdquo;); choose <b>Join a
Game&hellip;</b> again to join that host's next game. If only your own connection dropped, join
the same game again under the same name: you get your own seat back.</p>
<h3>From a terminal</h3>
<p>One player hosts:</p>
<pre>hexaline NAME ADDRESS true</pre>
<p>and everyone else joins with their own name and the host's address:</p>
<pre>hexaline THEIRNAME HOST-ADDRESS false</pre>
<p>The third word must be exactly <code>true</code> to host; anything else joins. The host's
address is ignored when hosting. The game uses TCP port 7772 (<code>--port N</code> chooses
another; all players must use the same one). The host must accept incoming connections on that
port: open it in the firewall and, behind a router, forward it to the hosting machine.</p>
<p>Seats 1 to 4 play and seats 5 to 9 watch. The computer plays seat 2 while nobody sits there.
If the host leaves, the game ends for everyone.</p>
<p>Players outside your network need the host's port forwarded to the hosting machine.</p>
<h3>A host without a window</h3>
<p><code>hexaline-host</code> hosts a game with no window of its own (<code>--port N</code>,
<code>--bot-speed MS</code>). The first player to connect takes seat 1 and may start games and
remove players: a window on seat 1 shows <b>START GAME</b> and <b>Start Game</b> in the File
menu, as a window that hosts does.</p>
<h3>Two copies on one machine</h3>
<p>Only one copy runs per user. To host and join on one machine, give each copy its own folder:
<code>hexaline --instance-dir /tmp/ann Ann 127.0.0.1 true</code> and
<code>hexaline --instance-dir /tmp/bob Bob 127.0.0.1 false</code>.</p>
)";

// 3: Game Play.
constexpr char kGamePlay[] = R"(
<h3>Your turn</h3>
<p>When it is your turn your name is highlighted, the clock runs and the turn sound plays. Click a
tile of your hand to pick it up, then click a free square to lay it. Right-click a tile you laid
this turn to take it back. <b>CLEAR</b> takes back every tile laid this turn, <b>FINISH</b> sends
your play to the host, and <b>PASS</b> gives up the turn. When the clock runs out the turn
passes.</p>
<h3>Placing rules</h3>
<ul>
<li>All the tiles you lay in one turn lie in one row or one column, with no gap between them
(tiles already on the board may fill the gaps).</li>
<li>They touch a tile already on the board, except on the first play of a round.</li>
<li>Every line of tiles is a set: one colour with all shapes different, or one shape with all
colours different. A line never holds more than six tiles, nor two identical tiles.</li>
</ul>
<p>A play that breaks a rule is refused and your turn stays open. Your hand is refilled to six
at the start of your next turn.</p>
<h3>Rounds and the winner</h3>
<p>A round ends when a player empties the hand or nobody can move. The game ends after a round in
which one player alone has the highest score and that score is above the play-to score chosen at
the start (play to 0 for a one-round game); otherwise another round follows.</p>
)";

// 4: Scoring.
constexpr char kScoring[] = R"(
<h3>Scoring</h3>
<p>A play scores one point for every tile of every line of two or more tiles that it creates or
extends, the tiles already on the board included. A tile that lies in both a row and a column of
the play counts in each.</p>
<p>Completing a line of exactly six tiles earns a six-point bonus on top. Emptying your hand
earns ten more.</p>
<p>Example: laying a red heart beside a red car and a red flower makes a line of three: 3 points.
If the heart also stands below a blue heart, that column of two adds 2 more: 5 points.</p>
)";

// 5: Documentation.
constexpr char kDocumentation[] = R"(
<h3>History</h3>
<p><b>1.0.1.0</b></p>
<ul><li>A pass button.</li><li>A turn timer.</li>
<li>A longer break when someone has no moves.</li></ul>
<p><b>1.0.0.0</b></p>
<ul><li>First release.</li></ul>
<h3>Files</h3>
<p>Preferences are kept in <code>orviklobby.ini</code> and the tally in
<code>agametally.tld</code>, next to the program when that folder can be written, otherwise in
<code>~/.config/Hexaline/</code>.</p>
)";

// 6: License.
constexpr char kLicense[] = R"(
<h3>License</h3>
<p>Hexaline is free to play and to give away unchanged, together with this notice.</p>
<p>The program is provided &ldquo;as is&rdquo;, without warranty of any kind, express or implied,
including but not limited to the warranties of merchantability, fitness for a particular purpose
and non-infringement. In no event shall the authors be liable for any claim, damages or other
liability arising from, out of or in connection with the program or its use.</p>
)";

// 7: Options.
constexpr char kOptions[] = R"(
<h3>File</h3>
<p><b>Start Game</b> (Ctrl+S, host only) opens the game options: the score to play to and the
time per turn. <b>Exit</b> closes the game. <b>Host a Game&hellip;</b> starts a game of your own
that friends can join, and <b>Join a Game&hellip;</b> joins one by its address or from the games
found on your local network. If your connection drops during a game, join it again under the
same name: your seat, hand and score are waiting for you.</p>
<h3>Options</h3>
<ul>
<li><b>Play Sounds</b> turns the game sounds on or off; <b>Player Phrase Sounds</b> the sounds
other players send with their phrases and chatter.</li>
<li><b>Turn Sound</b>: the Classic or the New sound when your turn comes.</li>
<li><b>Bot Speed</b>: how quickly the computer players move (Slow, Normal, Fast). It counts in
the game you host.</li>
<li><b>Text Color</b> and <b>Text Size</b> choose how your chat lines look.</li>
<li><b>Scroll Chat Off</b> stops the chat from scrolling to new lines; <b>Clear Main Chat</b>
empties it.</li>
<li><b>Reset Screen Location</b> puts the window back in the top left corner at its first
size.</li>
<li><b>Just Watch</b>: the computer plays your seat while you watch. Choose it again to play
once more.</li>
<li><b>Computer Strength</b> (host only): <b>Normal</b>, or <b>Strong</b>, a computer player that
weighs what its play leaves open to the next player. It counts from the computer's next move.</li>
</ul>
<h3>Playing with the keyboard</h3>
<p>While the chat input does not have the focus (Esc leaves it, Tab moves between the board and
the chat): <b>1</b>&ndash;<b>6</b> pick up or put down a hand tile, the <b>arrow keys</b> move
the frame on the board, <b>Enter</b> or <b>Space</b> lays the raised tile there or takes back the
tile laid there this turn, <b>F</b> finishes, <b>C</b> clears and <b>P</b> passes.</p>
<h3>View</h3>
<ul>
<li><b>View Tally</b>: your games and wins, and for every player you follow, the games you played
together and who won them, this session and in total. Tick a player under &ldquo;Players In Current
Game&rdquo; to follow them.</li>
<li><b>Spy List</b>: the players watching from seats 5 to 9. The host can remove one with a
right-click.</li>
<li><b>Phrase List</b>: edit the phrases of the nine phrase buttons below the clock (the tenth button plays a sound).</li>
</ul>
<h3>Help</h3>
<p><b>Content</b> (F1) opens this help, <b>About</b> the version, and <b>Quick Instructions</b>
(Ctrl+I) the placing rules with pictures.</p>
)";

// 8: The Lobby.
constexpr char kLobby[] = R"(
<h3>The Orvik7 Lobby</h3>
<p>The Orvik7 Lobby is a separate program where players meet, chat and set up games. When a game
is arranged, the lobby starts Hexaline on every player's machine with the player's name, the
host's address and whether to host, so nobody has to type addresses.</p>
<p>Started without arguments, Hexaline offers to download and install the lobby. The installer is
fetched over a secure connection and started only when it arrived whole; a file that came
without transport security is saved but never started. <b>Play with Others</b> closes the game
and starts an installed lobby; without one, it offers <b>Host a Game&hellip;</b> and <b>Join a
Game&hellip;</b>, the game's own way to play with others.</p>
<p>While a game started by the lobby runs, Hexaline keeps a connection open to the lobby on
127.0.0.1 port 9001, so the lobby knows that the game is running.</p>
)";

}  // namespace

QString helpPage(int page) {
    static const char* const pages[kPageCount] = {kOverview,      kConnecting, kGamePlay, kScoring,
                                                  kDocumentation, kLicense,    kOptions,  kLobby};
    if (page < 1 || page > kPageCount)
        return {};
    return QString::fromUtf8(pages[page - 1]);
}

}  // namespace hexaline::help
