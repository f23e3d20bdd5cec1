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
  let code = '';
  let socket = null;
  let nextId = 1;
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

  function say(text) { $('message').textContent = text || ''; }

  function send(command) {
    if (!socket || socket.readyState !== WebSocket.OPEN) { say(t('Not connected')); return; }
    command.code = code;
    command.id = nextId++;
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
        button.addEventListener('click', () => send({command: 'add', figure: figure, by: by}));
        row.appendChild(button);
      }
      const set = document.createElement('button');
      set.textContent = '#';
      set.setAttribute('aria-label', t('Type %1').replace('%1', label));
      set.addEventListener('click', () => {
        const typed = prompt(label, value.textContent);
        if (typed !== null && typed.trim() !== '') {
          send({command: 'set', figure: figure, value: Number(typed)});
        }
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
      } else if (message.type === 'reply') {
        if (message.ok) { say(''); return; }
        say(t(message.error));
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
  for (const button of document.querySelectorAll('[data-command]')) {
    button.addEventListener('click', () => send({command: button.dataset.command}));
  }
  $('clockForm').addEventListener('submit', (event) => {
    event.preventDefault();
    send({command: 'clock', minutes: Number($('minutes').value || 0),
          seconds: Number($('seconds').value || 0)});
  });
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
