'use strict';
// The remote page: pairs with the board, shows its state as it is pushed, and sends commands.
(function () {
  const $ = (id) => document.getElementById(id);
  // The board's language, served beside the page; English where it has none.
  const served = window.varneloTexts || {};
  const texts = served.texts || {};
  const t = (text) => texts[text] || text;

  function translatePage() {
    if (served.lang) { document.documentElement.lang = served.lang; }
    for (const element of document.querySelectorAll('[data-t]')) {
      element.textContent = t(element.textContent.trim());
    }
    for (const name of ['aria-label', 'placeholder']) {
      for (const element of document.querySelectorAll('[' + name + ']')) {
        element.setAttribute(name, t(element.getAttribute(name)));
      }
    }
  }
  // The phases in the order they come, by the names the board gives them.
  const phaseWords = {
    preMatch: t('Before kick-off'),
    firstHalf: t('First half'),
    halfTime: t('Half-time'),
    secondHalf: t('Second half'),
    extraTimeFirstHalf: t('Extra time, first half'),
    extraTimeHalfTime: t('Extra time, break'),
    extraTimeSecondHalf: t('Extra time, second half'),
    penalties: t('Penalties'),
    fullTime: t('Full time'),
  };
  const playingHalves = ['firstHalf', 'secondHalf', 'extraTimeFirstHalf', 'extraTimeSecondHalf'];

  // The phase the board's rules give after `phase`, as the board decides it: extra time and
  // penalties only when the format has them and the scores are level.
  function nextPhaseOf(phase, match, level) {
    const afterPlay = (extraTime) => level && extraTime ? 'extraTimeFirstHalf'
      : level && match.penalties ? 'penalties' : 'fullTime';
    switch (phase) {
      case 'preMatch': return 'firstHalf';
      case 'firstHalf': return 'halfTime';
      case 'halfTime': return 'secondHalf';
      case 'secondHalf': return afterPlay(match.extraTimeMinutes > 0);
      case 'extraTimeFirstHalf': return 'extraTimeHalfTime';
      case 'extraTimeHalfTime': return 'extraTimeSecondHalf';
      case 'extraTimeSecondHalf': return afterPlay(false);
      default: return 'fullTime';
    }
  }

  // What a kind of event looks like in the list: its word or its cards.
  const kindWords = {
    goal: t('Goal'),
    yellow: t('Yellow card'),
    secondYellow: t('Second yellow'),
    red: t('Red card'),
  };
  const kindCards = {yellow: ['yellow'], secondYellow: ['yellow', 'red'], red: ['red']};

  // How long after this phone scored a goal its scorer is asked at once.
  const ScorerWait = 10000;

  let code = '';
  let socket = null;
  let shown = null;
  // The added time chosen on this phone, sent only when announced.
  let addedChosen = 0;
  let nextId = 1;
  let events = [];
  // The latest goal seen, and whether this phone scored one just now: its scorer is asked at
  // once when it arrives.
  let lastGoal = null;
  let scoredAt = 0;
  let eventsShown = '';
  let padDone = null;
  let padDigits = 3;
  // The control that sent each command waiting for its reply, so that a refusal shows beside it.
  const senders = new Map();
  let lastSender = null;
  let sayTimer = 0;
  let retry = 500;

  function takeCodeFromAddress() {
    const match = /(?:^#|&)code=([^&]+)/.exec(location.hash);
    if (match) {
      sessionStorage.setItem('varneloCode', decodeURIComponent(match[1]));
      // The code stays out of the address bar and the history.
      history.replaceState(null, '', location.pathname);
    }
    return sessionStorage.getItem('varneloCode') || '';
  }

  // Shows `text` beside `near` (the control that was pressed) while that control is on the
  // screen, otherwise at the top of the screen; a tap or a few seconds take it away.
  function say(text, near) {
    const message = $('message');
    clearTimeout(sayTimer);
    message.textContent = text || '';
    if (!text) { return; }
    message.style.top = '8px';
    const box = near && near.isConnected ? near.getBoundingClientRect() : null;
    if (box && box.height > 0 && box.bottom > 0 && box.top < innerHeight) {
      const height = message.offsetHeight;
      const above = box.top - height - 8;
      const below = box.bottom + 8;
      // Below the control, so that the figure it changes stays in sight; above near the bottom.
      const top = below + height + 8 <= innerHeight ? below : above;
      message.style.top = Math.max(8, top) + 'px';
    }
    sayTimer = setTimeout(() => { message.textContent = ''; }, 6000);
  }

  // Sends `command`; `from` is the control it came from, where a refusal is shown.
  function send(command, from) {
    if (!socket || socket.readyState !== WebSocket.OPEN) { say(t('Not connected'), from); return; }
    command.code = code;
    // An event's own id travels as "id" too; the reply then names it instead.
    if (command.id === undefined) { command.id = nextId++; }
    lastSender = from || null;
    if (from) { senders.set(command.id, from); }
    socket.send(JSON.stringify(command));
  }

  function show(state) {
    $('title').textContent = state.title;
    $('home').textContent = state.home;
    $('guest').textContent = state.guest;
    $('clock').textContent = state.clock;
    $('startStop').textContent = t(state.running ? 'Stop' : 'Start');
    for (const box of document.querySelectorAll('[data-figure]')) {
      const value = state.figures[box.dataset.figure];
      box.querySelector('.value').textContent = value;
    }
    if (state.match) { showMatch(state); }
    if (state.sendingOffs) {
      showSendingOffs('homeOffs', state.sendingOffs.home);
      showSendingOffs('visitorOffs', state.sendingOffs.visitor);
    }
  }

  function showSendingOffs(id, count) {
    $(id).textContent = '▮'.repeat(Math.min(count, 11));
    if (count > 0) {
      $(id).setAttribute('aria-label', t('%1 sent off').replace('%1', count));
    } else {
      $(id).removeAttribute('aria-label');
    }
  }

  function teamName(team) {
    return shown ? (team === 'home' ? shown.home : shown.guest) : team;
  }

  function cardsOf(kind) {
    const box = document.createElement('span');
    box.className = 'kind';
    box.title = kindWords[kind] || kind;
    for (const colour of kindCards[kind] || []) {
      const card = document.createElement('span');
      card.className = 'card ' + colour;
      box.appendChild(card);
    }
    if (!kindCards[kind]) { box.textContent = kindWords[kind] || kind; }
    return box;
  }

  function showEvents(list) {
    events = list;
    const goals = list.filter((event) => event.kind === 'goal');
    const latest = goals.length ? goals[goals.length - 1] : null;
    $('scorer').hidden = !latest;
    if (latest && lastGoal !== null && latest.id > lastGoal && !latest.player
        && Date.now() - scoredAt < ScorerWait && $('pad').hidden) {
      scoredAt = 0;
      askScorer(latest);
    }
    lastGoal = latest ? Math.max(latest.id, lastGoal || 0) : (lastGoal || 0);
    // Pushed with every tick of the clock: drawn again only when it changed, so that a removal
    // being confirmed stays.
    const drawn = JSON.stringify([list, shown && shown.home, shown && shown.guest]);
    if (drawn === eventsShown) { return; }
    eventsShown = drawn;
    const items = $('eventList');
    items.innerHTML = '';
    for (const event of list) {
      const item = document.createElement('li');
      item.dataset.id = event.id;
      item.dataset.kind = event.kind;
      const minute = document.createElement('span');
      minute.className = 'minute';
      minute.textContent = event.minute || '–';
      const who = document.createElement('span');
      who.className = 'who';
      who.textContent = teamName(event.team) + (event.player ? ' #' + event.player : '')
        + (event.name ? ' ' + event.name : '');
      const remove = document.createElement('button');
      remove.type = 'button';
      remove.className = 'remove';
      remove.textContent = '✕';
      remove.setAttribute('aria-label', t('Remove'));
      remove.addEventListener('click', () => confirmRemove(item, event.id));
      item.append(minute, cardsOf(event.kind), who, remove);
      items.appendChild(item);
    }
  }

  // Two taps to remove: the row asks first.
  function confirmRemove(item, id) {
    item.querySelector('.remove').hidden = true;
    const yes = document.createElement('button');
    yes.type = 'button';
    yes.className = 'ask confirm';
    yes.textContent = t('Remove');
    yes.addEventListener('click', () => send({command: 'removeEvent', id: id}, item));
    const no = document.createElement('button');
    no.type = 'button';
    no.className = 'ask';
    no.textContent = t('Cancel');
    no.addEventListener('click', () => {
      yes.remove();
      no.remove();
      item.querySelector('.remove').hidden = false;
    });
    item.append(yes, no);
  }

  // The number pad: a number of up to `digits` digits (a shirt number, a figure, the clock's
  // minutes or seconds), then `done` with it.
  function openPad(title, done, digits) {
    $('padTitle').textContent = title;
    $('padValue').textContent = '';
    $('padValue').setAttribute('aria-label', title);
    padDigits = digits || 3;
    padDone = done;
    $('pad').hidden = false;
    document.body.style.paddingBottom = $('pad').offsetHeight + 'px';
  }

  function closePad() {
    $('pad').hidden = true;
    padDone = null;
    document.body.style.paddingBottom = '';
  }

  function askScorer(goal) {
    openPad(t('Scorer') + ' – ' + (goal.minute ? goal.minute + ' ' : '') + teamName(goal.team),
      (player) => send({command: 'editEvent', id: goal.id, player: player}, $('scorer')));
  }

  // The clock typed on the pad: its minutes, then its seconds; an empty entry is 0.
  function askClock() {
    const from = $('setClock');
    openPad(t('Set the clock') + ' – ' + t('Minutes'), (minutes) => {
      openPad(t('Set the clock') + ' – ' + t('Seconds'), (seconds) => {
        send({command: 'clock', minutes: Number(minutes || 0), seconds: Number(seconds || 0)},
          from);
      }, 2);
    }, 3);
  }

  function buildEventControls() {
    for (const button of document.querySelectorAll('#padKeys button')) {
      if (button.id) { continue; }
      button.addEventListener('click', () => {
        const value = $('padValue');
        if (value.textContent.length < padDigits) { value.textContent += button.textContent; }
      });
    }
    $('padBack').addEventListener('click', () => {
      $('padValue').textContent = $('padValue').textContent.slice(0, -1);
    });
    $('padClear').addEventListener('click', () => { $('padValue').textContent = ''; });
    $('padCancel').addEventListener('click', closePad);
    $('pad').addEventListener('submit', (event) => {
      event.preventDefault();
      const done = padDone;
      const player = $('padValue').textContent;
      closePad();
      if (done) { done(player); }
    });
    $('scorer').addEventListener('click', () => {
      const goals = events.filter((event) => event.kind === 'goal');
      if (goals.length) { askScorer(goals[goals.length - 1]); }
    });
    for (const row of document.querySelectorAll('.cards')) {
      for (const button of row.querySelectorAll('button')) {
        button.addEventListener('click', () => {
          const colour = button.dataset.colour;
          openPad(t(colour === 'red' ? 'Red card' : 'Yellow card') + ' – '
            + teamName(row.dataset.team),
          (player) => send({command: 'card', team: row.dataset.team, colour: colour,
                            player: player}, button));
        });
      }
    }
  }

  function showMatch(state) {
    const before = shown;
    shown = state;
    const phase = state.phase;
    const up = state.match.clock === 'up';
    $('added').hidden = !(state.addedTime > 0);
    $('added').textContent = '+' + state.addedTime;
    // The default board before kick-off shows nothing of the match.
    $('matchLine').hidden = phase === 'preMatch' && !up;
    $('phase').textContent = phaseWords[phase] || phase;
    $('minute').textContent = state.matchMinute;
    $('phaseRow').hidden = phase === 'fullTime';
    const next = nextPhaseOf(phase, state.match,
      state.figures.homeScore === state.figures.visitorScore);
    $('next').textContent = t('Next: %1').replace('%1', phaseWords[next]);
    $('next').dataset.phase = next;
    if (!before || before.phase !== phase) { $('nextPanel').hidden = true; }
    $('addedBox').hidden = !playingHalves.includes(phase);
    if (!before || before.addedTime !== state.addedTime || before.phase !== phase) {
      addedChosen = state.addedTime;
      $('addedValue').textContent = '+' + addedChosen;
    }
    showShootout(state);
  }

  function showShootout(state) {
    const shootout = state.shootout;
    $('shootout').hidden = !shootout;
    if (!shootout) { return; }
    const names = {home: state.home, visitor: state.guest};
    const scored = (team) => shootout[team].filter((kick) => kick).length;
    $('shootScore').textContent = scored('home') + ' – ' + scored('visitor');
    const rounds = Math.max(5, shootout.home.length, shootout.visitor.length);
    for (const box of document.querySelectorAll('.kicker')) {
      const team = box.dataset.team;
      const other = team === 'home' ? 'visitor' : 'home';
      const kicks = shootout[team];
      box.querySelector('h3').textContent = names[team] + ' (' + scored(team) + ')';
      const marks = box.querySelector('.marks');
      marks.innerHTML = '';
      for (let i = 0; i < rounds; ++i) {
        const mark = document.createElement('span');
        mark.className = i < kicks.length ? (kicks[i] ? 'scored' : 'missed') : 'due';
        mark.textContent = i < kicks.length ? (kicks[i] ? '●' : '✕') : '○';
        marks.appendChild(mark);
      }
      marks.setAttribute('aria-label',
        t('%1 of %2 kicks scored').replace('%1', scored(team)).replace('%2', kicks.length));
      // The board refuses a kick out of turn; the page says whose kick it is.
      const due = state.phase === 'penalties' && kicks.length <= shootout[other].length;
      box.classList.toggle('due', due);
      for (const button of box.querySelectorAll('button')) {
        button.hidden = state.phase !== 'penalties';
        button.disabled = !due;
      }
    }
  }

  function buildMatchControls() {
    const select = $('nextTo');
    for (const [name, words] of Object.entries(phaseWords)) {
      const option = document.createElement('option');
      option.value = name;
      option.textContent = words;
      select.appendChild(option);
    }
    // Two taps to change the phase: a finger's slip must not end a half.
    $('next').addEventListener('click', () => {
      select.value = $('next').dataset.phase;
      $('nextPanel').hidden = !$('nextPanel').hidden;
    });
    $('nextCancel').addEventListener('click', () => { $('nextPanel').hidden = true; });
    $('nextPanel').addEventListener('submit', (event) => {
      event.preventDefault();
      $('nextPanel').hidden = true;
      const command = {command: 'nextPhase'};
      // The rules' own next is left to the board, which knows the score as it is now.
      if (select.value !== $('next').dataset.phase) { command.to = select.value; }
      send(command, $('next'));
    });
    const choose = (by) => {
      addedChosen = Math.min(30, Math.max(0, addedChosen + by));
      $('addedValue').textContent = '+' + addedChosen;
    };
    $('addedLess').addEventListener('click', () => choose(-1));
    $('addedMore').addEventListener('click', () => choose(1));
    $('addedSend').addEventListener('click',
      () => send({command: 'addedTime', minutes: addedChosen}, $('addedSend')));
    for (const box of document.querySelectorAll('.kicker')) {
      for (const button of box.querySelectorAll('button')) {
        button.addEventListener('click', () => send({command: 'penalty', team: box.dataset.team,
                                                      scored: button.dataset.scored === 'true'},
                                                     button));
      }
    }
  }

  function buildFigures() {
    for (const box of document.querySelectorAll('[data-figure]')) {
      const figure = box.dataset.figure;
      const label = t(box.dataset.label || 'Period');
      box.innerHTML = '';
      const name = document.createElement('div');
      name.className = 'label';
      name.textContent = label;
      const value = document.createElement('div');
      value.className = 'value';
      value.setAttribute('aria-live', 'polite');
      value.textContent = '-';
      const row = document.createElement('div');
      row.className = 'row';
      for (const [text, by, spoken] of [['−', -1, '%1 minus one'], ['+', 1, '%1 plus one']]) {
        const button = document.createElement('button');
        button.textContent = text;
        button.setAttribute('aria-label', t(spoken).replace('%1', label));
        button.addEventListener('click', () => {
          if (by > 0 && /Score$/.test(figure)) { scoredAt = Date.now(); }
          send({command: 'add', figure: figure, by: by}, button);
        });
        row.appendChild(button);
      }
      const set = document.createElement('button');
      set.textContent = '#';
      set.setAttribute('aria-label', t('Type %1').replace('%1', label));
      set.addEventListener('click', () => {
        openPad(label, (typed) => {
          if (typed === '') { return; }
          if (/Score$/.test(figure)) { scoredAt = Date.now(); }
          send({command: 'set', figure: figure, value: Number(typed)}, set);
        }, 2);
      });
      row.appendChild(set);
      box.append(name, value, row);
    }
  }

  async function connect() {
    let port = Number(location.port || 80) + 1;
    try {
      port = (await (await fetch('/api/push')).json()).port;
    } catch (error) {
      // The board is away for the moment: try its usual push port.
    }
    socket = new WebSocket('ws://' + location.hostname + ':' + port + '/');
    socket.onopen = () => { retry = 500; send({command: 'hello'}); };
    socket.onmessage = (event) => {
      const message = JSON.parse(event.data);
      if (message.type === 'state') {
        $('status').textContent = t('Connected');
        show(message.state);
        if (message.events) { showEvents(message.events); }
      } else if (message.type === 'reply') {
        const from = senders.get(message.id) || lastSender;
        senders.delete(message.id);
        if (message.ok) { say(''); return; }
        say(t(message.error), from);
        if (message.error === 'wrong code') { unpair(); }
      }
    };
    socket.onclose = () => {
      $('status').textContent = t('Reconnecting…');
      if (code) { setTimeout(connect, retry); retry = Math.min(retry * 2, 8000); }
    };
  }

  function unpair() {
    code = '';
    sessionStorage.removeItem('varneloCode');
    if (socket) { socket.close(); }
    $('board').hidden = true;
    $('pair').hidden = false;
  }

  function start() {
    $('pair').hidden = true;
    $('board').hidden = false;
    connect();
  }

  translatePage();
  buildFigures();
  buildMatchControls();
  buildEventControls();
  for (const button of document.querySelectorAll('[data-command]')) {
    button.addEventListener('click', () => send({command: button.dataset.command}, button));
  }
  $('setClock').addEventListener('click', askClock);
  $('message').addEventListener('click', () => say(''));
  $('pairForm').addEventListener('submit', (event) => {
    event.preventDefault();
    code = $('code').value.trim();
    sessionStorage.setItem('varneloCode', code);
    say('');
    start();
  });
  code = takeCodeFromAddress();
  if (code) { start(); } else { $('pair').hidden = false; }
})();
