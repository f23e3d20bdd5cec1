// The live page: follows /api/<page>/events and draws the figures as seven-segment digits.
"use strict";

(() => {
  const SVG = "http://www.w3.org/2000/svg";
  // Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
  const LIT = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
  };
  const WIDTH = 60, HEIGHT = 100, MARGIN = 8, THICK = 10, GAP = 1.5;
  const ACROSS = WIDTH - 2 * MARGIN;
  const DOWN = (HEIGHT - 2 * MARGIN) / 2;

  // A hexagon along one axis: the same shape for every segment, turned for the upright ones.
  function segmentPoints(x, y, length, upright) {
    const h = THICK / 2;
    const along = [GAP, GAP + h, length - GAP - h, length - GAP, length - GAP - h, GAP + h];
    const across = [0, -h, -h, 0, h, h];
    return along.map((a, i) => upright ? `${x + across[i]},${y + a}` : `${x + a},${y + across[i]}`)
      .join(" ");
  }

  const SEGMENTS = {
    a: [MARGIN, MARGIN, ACROSS, false],
    b: [MARGIN + ACROSS, MARGIN, DOWN, true],
    c: [MARGIN + ACROSS, MARGIN + DOWN, DOWN, true],
    d: [MARGIN, MARGIN + 2 * DOWN, ACROSS, false],
    e: [MARGIN, MARGIN + DOWN, DOWN, true],
    f: [MARGIN, MARGIN, DOWN, true],
    g: [MARGIN, MARGIN + DOWN, ACROSS, false],
  };

  function svg(width) {
    const element = document.createElementNS(SVG, "svg");
    element.setAttribute("viewBox", `0 0 ${width} ${HEIGHT}`);
    return element;
  }

  function dot(cx, cy) {
    const circle = document.createElementNS(SVG, "circle");
    circle.setAttribute("cx", cx);
    circle.setAttribute("cy", cy);
    circle.setAttribute("r", THICK * 0.6);
    circle.classList.add("dot");
    return circle;
  }

  function digitCell() {
    const cell = svg(WIDTH + THICK);
    cell.classList.add("digit");
    for (const [name, [x, y, length, upright]] of Object.entries(SEGMENTS)) {
      const polygon = document.createElementNS(SVG, "polygon");
      polygon.setAttribute("points", segmentPoints(x, y, length, upright));
      polygon.classList.add("seg");
      polygon.dataset.seg = name;
      cell.appendChild(polygon);
    }
    const point = dot(WIDTH + 2, HEIGHT - MARGIN);
    point.classList.add("point");
    cell.appendChild(point);
    return cell;
  }

  function colonCell() {
    const cell = svg(THICK * 2);
    cell.classList.add("colon");
    cell.appendChild(dot(THICK, HEIGHT * 0.32));
    cell.appendChild(dot(THICK, HEIGHT * 0.68));
    return cell;
  }

  function light(cell, character, point) {
    const lit = LIT[character] || "";
    for (const segment of cell.querySelectorAll(".seg")) {
      segment.classList.toggle("on", lit.includes(segment.dataset.seg));
    }
    cell.querySelector(".point").classList.toggle("on", point);
  }

  // A number, right-aligned in a fixed count of digits; blank when empty. A figure that takes
  // more digits in a match counted up (ten corner kicks and more) grows for as long as it needs.
  function drawNumber(figure, text) {
    const count = Math.max(Number(figure.dataset.digits), text.length);
    while (figure.children.length < count) {
      figure.appendChild(digitCell());
    }
    while (figure.children.length > count) {
      figure.lastChild.remove();
    }
    const padded = text.slice(-count).padStart(count, " ");
    [...figure.children].forEach((cell, i) => light(cell, padded[i], false));
  }

  // The clock as the board shows it: "10:00", "9:59" and "112:30" with a colon, "59.9" with a
  // point.
  function drawClock(figure, text) {
    const cells = [];
    for (const character of text || "  :  ") {
      if (character === ":") {
        cells.push({ colon: true });
      } else if (character === "." && cells.length > 0) {
        cells[cells.length - 1].point = true;
      } else {
        cells.push({ character, point: false });
      }
    }
    const key = cells.map(c => c.colon ? ":" : "8").join("");
    if (figure.dataset.shape !== key) {
      figure.replaceChildren(...cells.map(c => c.colon ? colonCell() : digitCell()));
      figure.dataset.shape = key;
    }
    cells.forEach((c, i) => {
      const cell = figure.children[i];
      if (c.colon) {
        cell.querySelectorAll(".dot").forEach(d => d.classList.toggle("on", text !== ""));
      } else {
        light(cell, c.character, c.point);
      }
    });
  }

  // The phase in words; nothing before the kick-off, as on a board that never left it.
  const PHASE_WORDS = {
    preMatch: "", firstHalf: "1ST HALF", halfTime: "HALF-TIME", secondHalf: "2ND HALF",
    extraTimeFirstHalf: "EXTRA TIME", extraTimeHalfTime: "EXTRA TIME BREAK",
    extraTimeSecondHalf: "EXTRA TIME", penalties: "PENALTIES", fullTime: "FULL TIME",
  };
  // Kicks shown in each team's row at least: the five of the shoot-out, the rest still to come.
  const SHOOTOUT_ROUNDS = 5;

  // The match, from a board that publishes it: the phase, "+N" beside the clock and the
  // shoot-out's kicks and score. A state without it hides all of them.
  function showMatch(state) {
    const phase = document.querySelector(".phase");
    const words = PHASE_WORDS[state.phase] || "";
    phase.textContent = words;
    phase.hidden = words === "";
    const added = document.querySelector(".added");
    added.textContent = state.addedTime > 0 ? `+${state.addedTime}` : "";
    added.hidden = !(state.addedTime > 0);

    const shootout = state.shootout || { home: [], visitor: [] };
    const taken = Math.max(shootout.home.length, shootout.visitor.length);
    const showKicks = state.phase === "penalties" || taken > 0;
    const slots = Math.max(SHOOTOUT_ROUNDS, taken);
    for (const row of document.querySelectorAll(".shootout")) {
      const kicks = shootout[row.dataset.team] || [];
      row.hidden = !showKicks;
      const marks = [];
      for (let i = 0; i < slots; ++i) {
        const mark = document.createElement("span");
        mark.className = "kick " + (i >= kicks.length ? "due" : kicks[i] ? "scored" : "missed");
        marks.push(mark);
      }
      row.querySelector(".kicks").replaceChildren(...(showKicks ? marks : []));
      row.querySelector(".tally").textContent =
        showKicks ? `(${kicks.filter(scored => scored).length})` : "";
    }
  }

  function show(state) {
    for (const element of document.querySelectorAll("[data-field]")) {
      const value = state.values[element.dataset.field] ?? "";
      if (element.classList.contains("clock")) {
        drawClock(element, value);
      } else if (element.classList.contains("figure")) {
        drawNumber(element, value);
      } else {
        element.textContent = value;
      }
    }
    document.querySelector(".final").hidden = !state.final;
    showMatch(state);
    if (state.values.ttl) {
      document.title = state.values.ttl;
    }
  }

  const segments = location.pathname.split("/");
  const page = decodeURIComponent(segments[segments.length - 1]);
  const status = document.querySelector(".status");
  if (new URLSearchParams(location.search).get("overlay") === "1") {
    document.documentElement.classList.add("overlay");
  }
  show({ values: {}, final: false });

  // The browser reconnects by itself after a broken stream, but gives up on a refusal (a
  // restart in progress, too many viewers): then it is asked again a little later.
  function follow() {
    const events = new EventSource(`api/${encodeURIComponent(page)}/events`);
    events.onmessage = message => {
      show(JSON.parse(message.data));
      status.textContent = "";
    };
    events.onerror = () => {
      status.textContent = "reconnecting…";
      if (events.readyState === EventSource.CLOSED) {
        setTimeout(follow, 5000 + Math.random() * 5000);
      }
    };
  }
  follow();
})();
