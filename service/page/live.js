// The live page: follows /api/<page>/events and draws the figures as seven-segment digits, in the
// board's language, with the teams' colours and the clock running between updates when the board
// publishes them.
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

  // The page's words in the languages the board speaks; English for any other.
  const TEXTS = {
    en: {
      period: "PERIOD", shots: "SHOTS", corners: "C/K", saves: "SAVES", final: "FINAL",
      waiting: "waiting for the board", reconnecting: "reconnecting…", sentOff: "sent off",
      firstHalf: "1ST HALF", halfTime: "HALF-TIME", secondHalf: "2ND HALF",
      extraTime: "EXTRA TIME", extraTimeBreak: "EXTRA TIME BREAK", penalties: "PENALTIES",
      fullTime: "FULL TIME",
    },
    de: {
      period: "HALBZ.", shots: "SCHÜS.", corners: "ECK", saves: "PARAD.", final: "ENDSTAND",
      waiting: "Warten auf die Anzeigetafel", reconnecting: "Verbinde neu…",
      sentOff: "Platzverweise", firstHalf: "1. HALBZEIT", halfTime: "PAUSE",
      secondHalf: "2. HALBZEIT", extraTime: "VERLÄNGERUNG", extraTimeBreak: "PAUSE VERL.",
      penalties: "ELFMETERSCHIESSEN", fullTime: "SPIELENDE",
    },
    es: {
      period: "PARTE", shots: "TIROS", corners: "ESQ", saves: "PARAD.", final: "FINAL",
      waiting: "Esperando al marcador", reconnecting: "Reconectando…", sentOff: "expulsiones",
      firstHalf: "1.ª PARTE", halfTime: "DESCANSO", secondHalf: "2.ª PARTE",
      extraTime: "PRÓRROGA", extraTimeBreak: "DESCANSO PRÓRROGA", penalties: "PENALTIS",
      fullTime: "FINAL DEL PARTIDO",
    },
    fr: {
      period: "PÉR.", shots: "TIRS", corners: "CR.", saves: "ARR.", final: "FIN",
      waiting: "En attente du tableau", reconnecting: "Reconnexion…", sentOff: "expulsions",
      firstHalf: "1RE MI-TEMPS", halfTime: "MI-TEMPS", secondHalf: "2E MI-TEMPS",
      extraTime: "PROLONGATION", extraTimeBreak: "PAUSE PROLONG.", penalties: "TIRS AU BUT",
      fullTime: "FIN DU MATCH",
    },
    it: {
      period: "TEMPO", shots: "TIRI", corners: "C/A", saves: "PAR.", final: "FINALE",
      waiting: "In attesa del tabellone", reconnecting: "Riconnessione…", sentOff: "espulsioni",
      firstHalf: "1° TEMPO", halfTime: "INTERVALLO", secondHalf: "2° TEMPO",
      extraTime: "SUPPLEMENTARI", extraTimeBreak: "INTERVALLO SUPPL.", penalties: "RIGORI",
      fullTime: "FINE PARTITA",
    },
    nl: {
      period: "HELFT", shots: "SCHOT.", corners: "CR.", saves: "REDD.", final: "EINDE",
      waiting: "Wachten op het scorebord", reconnecting: "Opnieuw verbinden…",
      sentOff: "uitsluitingen", firstHalf: "1E HELFT", halfTime: "RUST", secondHalf: "2E HELFT",
      extraTime: "VERLENGING", extraTimeBreak: "RUST VERLENGING", penalties: "STRAFSCHOPPEN",
      fullTime: "EINDE WEDSTRIJD",
    },
    pt: {
      period: "TEMPO", shots: "CHUT.", corners: "ESC", saves: "DEFES.", final: "FINAL",
      waiting: "Aguardando o placar", reconnecting: "Reconectando…", sentOff: "expulsões",
      firstHalf: "1º TEMPO", halfTime: "INTERVALO", secondHalf: "2º TEMPO",
      extraTime: "PRORROGAÇÃO", extraTimeBreak: "INTERVALO PRORROG.", penalties: "PÊNALTIS",
      fullTime: "FIM DE PARTIDA",
    },
  };
  // Which text names each phase; nothing before the kick-off, as on a board that never left it.
  const PHASE_TEXT = {
    firstHalf: "firstHalf", halfTime: "halfTime", secondHalf: "secondHalf",
    extraTimeFirstHalf: "extraTime", extraTimeHalfTime: "extraTimeBreak",
    extraTimeSecondHalf: "extraTime", penalties: "penalties", fullTime: "fullTime",
  };
  // Before the board said which language it speaks: the viewer's own, if the board speaks it.
  const browserLanguage = (navigator.languages || [navigator.language || "en"])
    .map(tag => String(tag).slice(0, 2).toLowerCase()).find(code => TEXTS[code]) || "en";
  let words = TEXTS[browserLanguage];

  function useLanguage(code) {
    const chosen = TEXTS[code] ? code : "en";
    words = TEXTS[chosen];
    document.documentElement.lang = chosen;
    for (const element of document.querySelectorAll("[data-text]")) {
      element.textContent = words[element.dataset.text];
    }
  }

  // Kicks shown in each team's row at least: the five of the shoot-out, the rest still to come.
  const SHOOTOUT_ROUNDS = 5;

  // The match, from a board that publishes it: the phase, "+N" beside the clock and the
  // shoot-out's kicks and score. A state without it hides all of them.
  function showMatch(state) {
    const phase = document.querySelector(".phase");
    const text = PHASE_TEXT[state.phase] ? words[PHASE_TEXT[state.phase]] : "";
    phase.textContent = text;
    phase.hidden = text === "";
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

  // Relative luminance of "#rrggbb", as WCAG defines it.
  function luminance(colour) {
    const channel = i => {
      const c = parseInt(colour.slice(1 + 2 * i, 3 + 2 * i), 16) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    };
    return 0.2126 * channel(0) + 0.7152 * channel(1) + 0.0722 * channel(2);
  }

  // White or black, whichever contrasts more with `plate`.
  function textOn(plate) {
    const l = luminance(plate);
    return (1.05 / (l + 0.05)) >= ((l + 0.05) / 0.05) ? "#ffffff" : "#000000";
  }

  const COLOUR = /^#[0-9a-f]{6}$/;

  // Each team's plate in its colours, its short name where room is short and a red mark per
  // player sent off. A state without the teams shows the board's own look.
  function showTeams(state) {
    for (const section of document.querySelectorAll(".team")) {
      const team = state.teams && state.teams[section.dataset.team];
      const known = Boolean(team) && COLOUR.test(team.main) && COLOUR.test(team.second);
      section.classList.toggle("plated", known);
      if (known) {
        section.style.setProperty("--plate", team.main);
        section.style.setProperty("--plate-text", textOn(team.main));
        section.style.setProperty("--stripe", team.second);
      } else {
        for (const property of ["--plate", "--plate-text", "--stripe"]) {
          section.style.removeProperty(property);
        }
      }
      const shortName = section.querySelector(".short-name");
      shortName.textContent = known ? String(team.short || "") : "";
      section.classList.toggle("has-short", shortName.textContent !== "");
      const count = known ? Math.max(0, Math.min(11, Number(team.sendingOffs) || 0)) : 0;
      const cards = section.querySelector(".cards");
      cards.replaceChildren(...Array.from({ length: count }, () => {
        const card = document.createElement("span");
        card.className = "card";
        return card;
      }));
      cards.hidden = count === 0;
      cards.setAttribute("aria-label", count > 0 ? `${count} ${words.sentOff}` : "");
    }
  }

  // Where a team's name does not fit its plate, its short name stands in for it.
  function fitNames() {
    for (const section of document.querySelectorAll(".team")) {
      section.classList.remove("squeezed");
      const name = section.querySelector(".name");
      if (section.classList.contains("has-short") && name.scrollWidth > name.clientWidth + 1) {
        section.classList.add("squeezed");
      }
    }
  }
  window.addEventListener("resize", fitNames);

  // The clock between updates: the board's last time, run on by this page's own clock while the
  // board says it runs, and set again by every update.
  const clock = { figure: document.querySelector(".clock"), text: "", tenths: null, from: 0,
                  counts: null, holdsAt: 0, showsTenths: true };

  // "M:SS", "MM:SS", "1MM:SS" or "SS.T" in tenths of a second; null for anything else.
  function tenthsOf(text) {
    let match = /^(\d{1,3}):([0-5]\d)$/.exec(text);
    if (match) {
      return (Number(match[1]) * 60 + Number(match[2])) * 10;
    }
    match = /^(\d{1,2})\.(\d)$/.exec(text);
    return match ? Number(match[1]) * 10 + Number(match[2]) : null;
  }

  // As the board writes it: counting down, whole seconds (rounded up, so that a second shows
  // for all of it) down to a minute, then seconds and tenths unless `showsTenths` is false;
  // counting up, whole seconds.
  function clockText(tenths, down, showsTenths) {
    if (down && showsTenths && tenths < 600) {
      return `${Math.floor(tenths / 10)}.${tenths % 10}`;
    }
    const seconds = down ? Math.ceil(tenths / 10) : Math.floor(tenths / 10);
    return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, "0")}`;
  }

  function tickClock() {
    if (clock.counts === null || clock.tenths === null) {
      return;
    }
    const elapsed = Math.floor((performance.now() - clock.from) / 100);
    const tenths = clock.counts === "down"
      ? Math.max(0, clock.tenths - elapsed)
      : Math.max(clock.tenths, Math.min(clock.holdsAt * 600, clock.tenths + elapsed));
    const text = clockText(tenths, clock.counts === "down", clock.showsTenths);
    if (text !== clock.text) {
      clock.text = text;
      drawClock(clock.figure, text);
    }
  }

  function setClock(state) {
    const text = state.values.gt ?? "";
    const motion = state.clock || {};
    clock.tenths = tenthsOf(text);
    clock.from = performance.now();
    clock.counts = motion.runs && !state.final && (motion.counts === "down" || motion.counts === "up")
      ? motion.counts : null;
    clock.holdsAt = Number(motion.holdsAt) || 0;
    clock.showsTenths = motion.tenths !== false;
    clock.text = text;
    drawClock(clock.figure, text);
  }

  let seenUpdate = false;

  function show(state) {
    useLanguage(state.language || browserLanguage);
    for (const element of document.querySelectorAll("[data-field]")) {
      const value = state.values[element.dataset.field] ?? "";
      if (element.classList.contains("clock")) {
        continue;
      } else if (element.classList.contains("figure")) {
        drawNumber(element, value);
      } else {
        element.textContent = value;
      }
    }
    setClock(state);
    document.querySelector(".final").hidden = !state.final;
    showMatch(state);
    showTeams(state);
    fitNames();
    seenUpdate = seenUpdate || state.updatedMs > 0;
    document.querySelector(".waiting").hidden = seenUpdate;
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
  show({ values: {}, final: false, updatedMs: 0 });
  setInterval(tickClock, 100);

  // The browser reconnects by itself after a broken stream, but gives up on a refusal (a
  // restart in progress, too many viewers): then it is asked again a little later.
  function follow() {
    const events = new EventSource(`api/${encodeURIComponent(page)}/events`);
    events.onmessage = message => {
      show(JSON.parse(message.data));
      status.textContent = "";
    };
    events.onerror = () => {
      status.textContent = words.reconnecting;
      if (events.readyState === EventSource.CLOSED) {
        setTimeout(follow, 5000 + Math.random() * 5000);
      }
    };
  }
  follow();
})();
