// The overlay page's script: it follows the board over the push channel and draws the panel
// named by the page's address.
"use strict";
