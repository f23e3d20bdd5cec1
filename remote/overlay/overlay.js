'use strict';
// The overlay pages for a video mixer's browser source (OBS, vMix): one page, five panels, fed by
// the board's push socket with the overlay token. The page runs the clock itself between
// states and never shows anything about its connection on the stream.
(function () {
  const PANELS = ['scorebug', 'statistics', 'shootout', 'goal', 'board'];
  const POSITIONS = ['top-left', 'top', 'top-right', 'bottom-left', 'bottom', 'bottom-right',
    'center'];
  const PHASES = ['preMatch', 'firstHalf', 'halfTime', 'secondHalf', 'extraTimeFirstHalf',
    'extraTimeHalfTime', 'extraTimeSecondHalf', 'penalties', 'fullTime'];
  const PLAYING = ['firstHalf', 'secondHalf', 'extraTimeFirstHalf', 'extraTimeSecondHalf'];
  // Which of the board's overlay switches shows a panel; the goal pop-up follows its sequence.
  const SWITCHES = {scorebug: 'scoreBug', statistics: 'statistics', shootout: 'shootout',
    board: 'board'};
  const DEFAULT_COLOURS = {home: ['#c02020', '#ffffff'], visitor: ['#2040c0', '#ffffff']};

  // The page's words; the board's phase names are the keys of the phases.
  const TEXTS = {
    en: {firstHalf: '1ST HALF', secondHalf: '2ND HALF', extraTimeFirstHalf: 'EXTRA TIME 1',
      extraTimeSecondHalf: 'EXTRA TIME 2', halfTime: 'HALF-TIME',
      extraTimeHalfTime: 'EXTRA-TIME BREAK', penalties: 'PENALTIES', fullTime: 'FULL TIME',
      goal: 'GOAL', shots: 'Shots', cornerKicks: 'Corner kicks', saves: 'Saves',
      period: 'PERIOD', shootout: 'Penalty shoot-out'},
    de: {firstHalf: '1. HALBZEIT', secondHalf: '2. HALBZEIT', extraTimeFirstHalf: 'VERLÄNGERUNG 1',
      extraTimeSecondHalf: 'VERLÄNGERUNG 2', halfTime: 'HALBZEIT',
      extraTimeHalfTime: 'PAUSE VERLÄNGERUNG', penalties: 'ELFMETERSCHIESSEN',
      fullTime: 'SPIELENDE', goal: 'TOR', shots: 'Schüsse', cornerKicks: 'Ecken',
      saves: 'Paraden', period: 'ABSCHNITT', shootout: 'Elfmeterschießen'},
    es: {firstHalf: '1.ª PARTE', secondHalf: '2.ª PARTE', extraTimeFirstHalf: 'PRÓRROGA 1',
      extraTimeSecondHalf: 'PRÓRROGA 2', halfTime: 'DESCANSO',
      extraTimeHalfTime: 'DESCANSO PRÓRROGA', penalties: 'PENALTIS', fullTime: 'FINAL',
      goal: 'GOL', shots: 'Tiros', cornerKicks: 'Córneres', saves: 'Paradas',
      period: 'PERIODO', shootout: 'Tanda de penaltis'},
    fr: {firstHalf: '1RE MI-TEMPS', secondHalf: '2E MI-TEMPS', extraTimeFirstHalf: 'PROLONGATION 1',
      extraTimeSecondHalf: 'PROLONGATION 2', halfTime: 'MI-TEMPS',
      extraTimeHalfTime: 'PAUSE PROLONGATION', penalties: 'TIRS AU BUT', fullTime: 'FIN DU MATCH',
      goal: 'BUT', shots: 'Tirs', cornerKicks: 'Corners', saves: 'Arrêts', period: 'PÉRIODE',
      shootout: 'Tirs au but'},
    it: {firstHalf: '1° TEMPO', secondHalf: '2° TEMPO', extraTimeFirstHalf: '1° SUPPLEMENTARE',
      extraTimeSecondHalf: '2° SUPPLEMENTARE', halfTime: 'INTERVALLO',
      extraTimeHalfTime: 'INTERVALLO SUPPL.', penalties: 'RIGORI', fullTime: 'FINALE',
      goal: 'GOL', shots: 'Tiri', cornerKicks: 'Calci d’angolo', saves: 'Parate',
      period: 'TEMPO', shootout: 'Calci di rigore'},
    nl: {firstHalf: '1E HELFT', secondHalf: '2E HELFT', extraTimeFirstHalf: 'VERLENGING 1',
      extraTimeSecondHalf: 'VERLENGING 2', halfTime: 'RUST', extraTimeHalfTime: 'RUST VERLENGING',
      penalties: 'STRAFSCHOPPEN', fullTime: 'EINDE', goal: 'DOELPUNT', shots: 'Schoten',
      cornerKicks: 'Hoekschoppen', saves: 'Reddingen', period: 'PERIODE',
      shootout: 'Strafschoppen'},
    pt: {firstHalf: '1º TEMPO', secondHalf: '2º TEMPO', extraTimeFirstHalf: 'PRORROGAÇÃO 1',
      extraTimeSecondHalf: 'PRORROGAÇÃO 2', halfTime: 'INTERVALO',
      extraTimeHalfTime: 'INTERVALO PRORROGAÇÃO', penalties: 'PÊNALTIS', fullTime: 'FIM DE JOGO',
      goal: 'GOL', shots: 'Finalizações', cornerKicks: 'Escanteios', saves: 'Defesas',
      period: 'TEMPO', shootout: 'Disputa de pênaltis'},
  };

  const pad2 = (n) => String(n).padStart(2, '0');
  const isObject = (value) => value !== null && typeof value === 'object' && !Array.isArray(value);
  const text = (value, fallback) => typeof value === 'string' ? value : fallback;
  const count = (value, most) => Number.isFinite(value) && value > 0
    ? Math.min(Math.floor(value), most) : 0;

  // The minute a playing half ends at on a clock counting up; 0 outside a playing half.
  function halfEndMinute(phase, halfMinutes, extraTimeMinutes) {
    const half = count(halfMinutes, 60);
    const extra = count(extraTimeMinutes, 30);
    switch (phase) {
      case 'firstHalf': return half;
      case 'secondHalf': return 2 * half;
      case 'extraTimeFirstHalf': return 2 * half + extra;
      case 'extraTimeSecondHalf': return 2 * half + 2 * extra;
      default: return 0;
    }
  }

  // The clock as the board shows it. Down: "M:SS" (whole seconds rounded up) above 59.9 s,
  // "S.t" below. Up: "MM:SS" of the seconds played, "45+1:23" past the half's end; a break in a
  // match counted up counts down in whole seconds rounded up.
  function formatClock(ms, clock) {
    const value = Math.max(0, Number.isFinite(ms) ? ms : 0);
    if (!clock.upFormat) {
      if (value > 59900) {
        const whole = Math.floor((value + 900) / 1000);
        return Math.floor(whole / 60) + ':' + pad2(whole % 60);
      }
      const tenths = Math.floor(value / 100);
      return Math.floor(tenths / 10) + '.' + (tenths % 10);
    }
    const whole = clock.countsUp ? Math.floor(value / 1000) : Math.ceil(value / 1000);
    const end = clock.countsUp ? halfEndMinute(clock.phase, clock.halfMinutes,
      clock.extraTimeMinutes) : 0;
    if (end > 0 && whole > end * 60) {
      const beyond = whole - end * 60;
      return end + '+' + Math.floor(beyond / 60) + ':' + pad2(beyond % 60);
    }
    return pad2(Math.floor(whole / 60)) + ':' + pad2(whole % 60);
  }

  // The clock's value at `now` from the last state: the board is the truth at each state, the
  // page only counts the time since.
  function clockAt(sync, now) {
    if (!sync.running) { return sync.clockMs; }
    const elapsed = Math.max(0, now - sync.at);
    return sync.countsUp ? sync.clockMs + elapsed : Math.max(0, sync.clockMs - elapsed);
  }

  // How often the clock is drawn again: tenths show under a minute counting down.
  const redrawEvery = (sync) => sync.countsUp ? 250 : 100;

  // The wait before the next attempt to reach the board: 0.5 s doubling to 5 s.
  const nextRetry = (last) => last ? Math.min(last * 2, 5000) : 500;

  // White or black text on a plate of `colour` ("#rrggbb"), whichever contrasts more.
  function textColourOn(colour) {
    const channel = (hex) => {
      const c = parseInt(hex, 16) / 255;
      return c <= 0.04045 ? c / 12.92 : Math.pow((c + 0.055) / 1.055, 2.4);
    };
    const luminance = 0.2126 * channel(colour.slice(1, 3)) + 0.7152 * channel(colour.slice(3, 5))
      + 0.0722 * channel(colour.slice(5, 7));
    return 1.05 / (luminance + 0.05) >= (luminance + 0.05) / 0.05 ? '#ffffff' : '#000000';
  }

  const colourOr = (value, fallback) => typeof value === 'string'
    && /^#[0-9a-f]{6}$/i.test(value) ? value.toLowerCase() : fallback;

  // The panel, position, scale and language asked for in the address; anything odd gives the
  // default.
  function parseAddress(pathname, search) {
    const last = String(pathname).split('/').filter((part) => part !== '').pop() || '';
    const panel = PANELS.includes(last) ? last : 'scorebug';
    const query = new URLSearchParams(search);
    const position = query.get('position');
    const scaleText = query.get('scale') || '';
    const scale = /^\d+(\.\d+)?$/.test(scaleText) ? Number(scaleText) : NaN;
    const lang = query.get('lang');
    return {
      panel: panel,
      position: POSITIONS.includes(position) ? position
        : panel === 'scorebug' ? 'top-left' : 'bottom',
      scale: scale >= 0.5 && scale <= 3 ? scale : 1,
      lang: Object.prototype.hasOwnProperty.call(TEXTS, lang) ? lang : '',
      token: query.get('token') || '',
    };
  }

  function teamOf(state, side) {
    const teams = isObject(state.teams) ? state.teams : {};
    const team = isObject(teams[side]) ? teams[side] : {};
    const name = text(team.name, text(side === 'home' ? state.home : state.guest, ''));
    const letters = name.replace(/[^\p{L}\p{N}]/gu, '').slice(0, 3).toUpperCase();
    const main = colourOr(team.main, DEFAULT_COLOURS[side][0]);
    const offs = isObject(state.sendingOffs) ? state.sendingOffs[side] : 0;
    return {
      name: name,
      short: text(team.short, '').slice(0, 4) || letters,
      main: main,
      second: colourOr(team.second, DEFAULT_COLOURS[side][1]),
      ink: textColourOn(main),
      offs: count(offs, 11),
    };
  }

  function kicksOf(shootout, side) {
    const kicks = isObject(shootout) && Array.isArray(shootout[side]) ? shootout[side] : [];
    return kicks.slice(0, 50).map((kick) => kick === true);
  }

  // What the panels show for a state, or null for a message that is not a state the page can
  // use (no clock value).
  function viewOf(state, lang) {
    if (!isObject(state) || !Number.isFinite(state.clockMs)) { return null; }
    const language = lang || (Object.prototype.hasOwnProperty.call(TEXTS, state.language)
      ? state.language : 'en');
    const words = TEXTS[language];
    const figures = isObject(state.figures) ? state.figures : {};
    const figure = (name) => count(figures[name], 999);
    const match = isObject(state.match) ? state.match : {};
    const phase = PHASES.includes(state.phase) ? state.phase : 'preMatch';
    const overlay = isObject(state.overlay) ? state.overlay : {};
    const popup = isObject(state.goalPopup) ? state.goalPopup : {};
    const playing = PLAYING.includes(phase);
    const added = count(state.addedTime, 30);
    const home = kicksOf(state.shootout, 'home');
    const visitor = kicksOf(state.shootout, 'visitor');
    return {
      language: language,
      words: words,
      title: text(state.title, ''),
      home: teamOf(state, 'home'),
      visitor: teamOf(state, 'visitor'),
      score: {home: figure('homeScore'), visitor: figure('visitorScore')},
      period: figure('period'),
      stats: {
        home: {shots: figure('homeShots'), cornerKicks: figure('homeCornerKicks'),
          saves: figure('homeSaves')},
        visitor: {shots: figure('visitorShots'), cornerKicks: figure('visitorCornerKicks'),
          saves: figure('visitorSaves')},
      },
      clock: {
        clockMs: Math.max(0, state.clockMs),
        running: state.running === true,
        countsUp: state.countsUp === true,
        upFormat: match.clock === 'up',
        phase: phase,
        halfMinutes: match.halfMinutes,
        extraTimeMinutes: match.extraTimeMinutes,
      },
      // Nothing before the kick-off, as on a board that never left it.
      phaseWord: playing || phase === 'preMatch' ? '' : words[phase],
      boardWord: phase === 'preMatch' ? '' : words[phase],
      added: playing && added > 0 ? '+' + added : '',
      shootout: {home: home, visitor: visitor,
        scored: {home: home.filter(Boolean).length, visitor: visitor.filter(Boolean).length}},
      visible: {scorebug: overlay.scoreBug !== false, statistics: overlay.statistics === true,
        shootout: overlay.shootout === true, board: overlay.board === true},
      goal: {seq: Number.isFinite(popup.seq) ? popup.seq : null,
        id: Number.isFinite(popup.id) ? popup.id : 0},
    };
  }

  // Whether a goal pop-up is due: only when the sequence grows after the first state seen.
  function goalDue(lastSeq, seq) {
    return lastSeq !== null && seq !== null && seq > lastSeq;
  }

  // The goal event a pop-up shows, from the events sent with the state.
  function goalOf(events, id) {
    if (!Array.isArray(events) || !id) { return null; }
    const event = events.find((item) => isObject(item) && item.id === id && item.kind === 'goal');
    if (!event) { return null; }
    const team = event.team === 'visitor' ? 'visitor' : 'home';
    const player = text(event.player, '');
    return {team: team, player: (player ? '#' + player + ' ' : '') + text(event.name, ''),
      minute: text(event.minute, '')};
  }

  const logic = {formatClock, clockAt, redrawEvery, nextRetry, textColourOn, parseAddress,
    viewOf, goalDue, goalOf, halfEndMinute};
  window.varneloOverlay = logic;
})();

// The page: draws the one panel its address names, follows the board and runs the clock.
(function (logic) {
  const stage = document.getElementById('stage');
  if (!stage) { return; }
  const address = logic.parseAddress(location.pathname, location.search);
  const panel = stage.querySelector('.panel[data-panel="' + address.panel + '"]');
  for (const other of Array.from(stage.querySelectorAll('.panel'))) {
    if (other !== panel) { other.remove(); }
  }
  panel.dataset.position = address.position;
  document.documentElement.style.setProperty('--scale', String(address.scale));
  const $ = (selector) => panel.querySelector(selector);
  const $$ = (selector) => Array.from(panel.querySelectorAll(selector));
  const GOAL_SHOWN_MS = 8000;

  // The page's time; a test replaces it to move the clock on without waiting.
  logic.now = () => performance.now();
  // How long the board may take to answer before it is asked again; a test shortens it.
  logic.answerWaitMs = 5000;

  let view = null;
  let sync = null;
  let lastSeq = null;
  let goalUntil = -Infinity;
  let retry = 0;
  let stopped = false;

  function setText(element, value) {
    if (element && element.textContent !== value) { element.textContent = value; }
  }

  function showOffs(element, offs) {
    if (!element || element.childElementCount === offs) { return; }
    element.replaceChildren();
    for (let i = 0; i < offs; ++i) {
      const card = document.createElement('i');
      card.className = 'card';
      element.appendChild(card);
    }
  }

  // A team's plate in its main colour with its second colour as the stripe.
  function paintPlate(plate, team) {
    if (!plate) { return; }
    plate.style.backgroundColor = team.main;
    plate.style.color = team.ink;
    const stripe = plate.querySelector('.stripe');
    if (stripe) { stripe.style.backgroundColor = team.second; }
    setText(plate.querySelector('.short'), team.short);
    setText(plate.querySelector('.name'), team.name);
    showOffs(plate.querySelector('.offs'), team.offs);
  }

  function showTeamsAndScore() {
    paintPlate($('.plate.home'), view.home);
    paintPlate($('.plate.visitor'), view.visitor);
    for (const side of ['home', 'visitor']) {
      for (const element of $$('.' + side + 'Score')) {
        setText(element, String(view.score[side]));
      }
    }
  }

  function showPhase() {
    for (const element of $$('.phase')) {
      setText(element, view.phaseWord);
      element.hidden = view.phaseWord === '';
    }
    for (const element of $$('.added')) {
      setText(element, view.added);
      element.hidden = view.added === '';
    }
  }

  function showStatistics() {
    for (const row of $$('.stat')) {
      const stat = row.dataset.stat;
      setText(row.querySelector('.label'), view.words[stat]);
      setText(row.querySelector('.home'), String(view.stats.home[stat]));
      setText(row.querySelector('.visitor'), String(view.stats.visitor[stat]));
    }
  }

  function showShootout() {
    setText($('.title'), view.words.shootout);
    const kicks = view.shootout;
    const rounds = Math.max(5, kicks.home.length, kicks.visitor.length);
    for (const side of ['home', 'visitor']) {
      const marks = [];
      for (let i = 0; i < rounds; ++i) {
        const mark = document.createElement('span');
        const taken = i < kicks[side].length;
        mark.className = taken ? (kicks[side][i] ? 'scored' : 'missed') : 'due';
        mark.textContent = taken ? (kicks[side][i] ? '●' : '✕') : '○';
        marks.push(mark);
      }
      $('.kicks.' + side + ' .marks').replaceChildren(...marks);
      setText($('.kicks.' + side + ' .tally'), String(kicks.scored[side]));
    }
  }

  function showBoard() {
    setText($('.title'), view.title);
    setText($('.label.period'), view.words.period);
    setText($('.periodValue'), String(view.period));
    for (const element of $$('.phase')) {
      // The board names every phase after the kick-off, the halves too.
      setText(element, view.boardWord);
      element.hidden = view.boardWord === '';
    }
    for (const box of $$('.stats')) {
      const figures = view.stats[box.dataset.team];
      const rows = ['shots', 'cornerKicks', 'saves'].map((stat) => {
        const row = document.createElement('div');
        row.className = 'row';
        const label = document.createElement('span');
        label.className = 'label';
        label.textContent = view.words[stat];
        const value = document.createElement('span');
        value.className = 'figure small';
        value.textContent = String(figures[stat]);
        row.append(label, value);
        return row;
      });
      const drawn = JSON.stringify([view.words, figures]);
      if (box.dataset.drawn !== drawn) {
        box.dataset.drawn = drawn;
        box.replaceChildren(...rows);
      }
    }
  }

  function showGoal(goal) {
    const team = view[goal.team];
    setText($('.word'), view.words.goal);
    paintPlate($('.plate.team'), team);
    setText($('.player'), goal.player);
    setText($('.minute'), goal.minute);
  }

  // Draws what moves by itself: the clock and the goal pop-up's time.
  function draw() {
    if (!view) { return; }
    const now = logic.now();
    const face = logic.formatClock(logic.clockAt(sync, now), view.clock);
    for (const clock of $$('.clock')) { setText(clock, face); }
    if (address.panel === 'goal') { panel.classList.toggle('shown', now < goalUntil); }
  }
  logic.draw = draw;
  // The clock's value this page shows now, in ms (null before the first state); read only.
  logic.clockNow = () => (sync ? logic.clockAt(sync, logic.now()) : null);

  function show(message) {
    const next = logic.viewOf(message.state, address.lang);
    if (!next) { return; }
    const now = logic.now();
    sync = {clockMs: next.clock.clockMs, running: next.clock.running,
      countsUp: next.clock.countsUp, at: now};
    view = next;
    document.documentElement.lang = view.language;
    if (address.panel === 'goal') {
      const goal = logic.goalDue(lastSeq, view.goal.seq)
        ? logic.goalOf(message.events, view.goal.id) : null;
      if (goal) {
        showGoal(goal);
        goalUntil = now + GOAL_SHOWN_MS;
      }
    } else {
      panel.classList.toggle('shown', view.visible[address.panel]);
      showTeamsAndScore();
      showPhase();
      if (address.panel === 'statistics') { showStatistics(); }
      if (address.panel === 'shootout') { showShootout(); }
      if (address.panel === 'board') { showBoard(); }
    }
    if (view.goal.seq !== null) { lastSeq = view.goal.seq; }
    draw();
  }

  function receive(data) {
    let message;
    try {
      message = JSON.parse(data);
    } catch (error) {
      return;
    }
    if (message === null || typeof message !== 'object') { return; }
    if (message.type === 'reply' && message.ok === false && message.error === 'wrong code') {
      // Asking again with the same token would only count toward the board's lock-out.
      stopped = true;
      if (socket) { socket.close(); }
      return;
    }
    if (message.type !== 'state') { return; }
    try {
      show(message);
      retry = 0;
    } catch (error) {
      // A state the page cannot draw leaves the last one shown.
    }
  }

  let socket = null;
  function again() {
    if (stopped) { return; }
    retry = logic.nextRetry(retry);
    setTimeout(connect, retry);
  }

  async function connect() {
    // A board that answers neither the request nor the socket's opening within a few seconds is
    // asked again, as one that refused.
    let port = 0;
    const asking = new AbortController();
    const giveUp = setTimeout(() => asking.abort(), logic.answerWaitMs);
    try {
      port = (await (await fetch('/api/push', {cache: 'no-store', signal: asking.signal}))
        .json()).port;
    } catch (error) {
      port = 0;
    }
    clearTimeout(giveUp);
    if (!Number.isInteger(port) || port <= 0 || port > 65535) {
      again();
      return;
    }
    try {
      socket = new WebSocket('ws://' + location.hostname + ':' + port + '/');
    } catch (error) {
      again();
      return;
    }
    const opening = socket;
    const late = setTimeout(() => opening.close(), logic.answerWaitMs);
    socket.onopen = () => {
      clearTimeout(late);
      socket.send(JSON.stringify({command: 'hello', token: address.token}));
    };
    socket.onmessage = (event) => receive(event.data);
    socket.onclose = () => {
      clearTimeout(late);
      socket = null;
      again();
    };
  }

  // Scheduled before drawing, so that nothing a state holds can stop the clock.
  function tick() {
    setTimeout(tick, sync ? logic.redrawEvery(sync) : 250);
    draw();
  }

  logic.receive = receive;
  tick();
  connect();
})(window.varneloOverlay);
