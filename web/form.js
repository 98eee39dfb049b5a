// The request form: its boxes, what each admits, the errors shown beside them, and the request
// read from them or written into them.

import { LETTERS, RATES } from './engine.js';
import { $, CUSTOM } from './dom.js';

let engine;

export const typeField = (letter) => $(`type-${letter}`);
export const LAIR = document.querySelector('#lair-types .types').dataset.letters;

function numberFields() {
  return [...document.querySelectorAll('#request input[data-limit]')];
}

// The boxes of the letters, each described by what its type can give (`descriptions`, one
// line a letter from A), and every number box limited to its maximum's digits.
export function setUpForm(theEngine, descriptions) {
  engine = theEngine;
  for (const group of document.querySelectorAll('.types')) {
    for (const letter of group.dataset.letters) {
      const field = document.createElement('div');
      field.className = 'field type';
      const label = document.createElement('label');
      label.htmlFor = `type-${letter}`;
      label.textContent = `${letter} ×`;
      const input = document.createElement('input');
      Object.assign(input, { id: `type-${letter}`, name: letter, value: '0', autocomplete: 'off' });
      input.inputMode = 'numeric';
      input.dataset.limit = 'type';
      input.title = descriptions[LETTERS.indexOf(letter)];
      input.dataset.describedBy = `describe-${letter}`;
      input.setAttribute('aria-describedby', input.dataset.describedBy);
      field.append(label, input);
      group.append(field);
    }
  }
  for (const input of numberFields()) {
    input.maxLength = String(engine.limits[input.dataset.limit]).length;
    input.addEventListener('beforeinput', (event) => {
      if (event.data && /\D/.test(event.data)) {
        event.preventDefault();
      }
    });
    if (input.id !== 'seed') {
      input.addEventListener('blur', () => {
        if (input.value.trim() === '') {
          input.value = '0';
        }
      });
    }
  }
  $('in-lair').addEventListener('change', () => setLair($('in-lair').checked));
}

export function setLair(inLair) {
  $('in-lair').checked = inLair;
  for (const letter of LAIR) {
    typeField(letter).disabled = !inLair;
    if (!inLair) {
      typeField(letter).value = '0';
      showFieldError(typeField(letter), '');
    }
  }
}

export function fieldName(input) {
  if (input.dataset.limit === 'type') {
    return `Type ${input.name}`;
  }
  return document.querySelector(`label[for="${input.id}"]`).textContent;
}

// The error of a letter's box goes under its group's grid, where it has the group's width.
function errorPlace(input) {
  return input.dataset.limit === 'type' ? input.closest('fieldset').querySelector('.type-errors') : null;
}

export function showFieldError(input, message) {
  const id = `${input.id}-error`;
  let note = $(id);
  const described = input.dataset.describedBy ?? '';
  if (!message) {
    note?.remove();
    input.removeAttribute('aria-invalid');
    if (described) {
      input.setAttribute('aria-describedby', described);
    } else {
      input.removeAttribute('aria-describedby');
    }
    return;
  }
  if (!note) {
    note = document.createElement(errorPlace(input) ? 'p' : 'span');
    note.id = id;
    note.className = 'error';
    const place = errorPlace(input);
    if (place) {
      place.append(note);
    } else {
      input.after(note);
    }
  }
  note.textContent = message;
  input.setAttribute('aria-invalid', 'true');
  input.setAttribute('aria-describedby', `${id} ${described}`.trim());
}

export function clearErrors() {
  for (const input of document.querySelectorAll('#request [aria-invalid="true"]')) {
    showFieldError(input, '');
  }
  showFormMessage('');
}

export function showFormMessage(message) {
  $('form-message').textContent = message;
  $('form-message').hidden = !message;
}

// A whole number from 0 to the box's maximum, or a message saying what is wrong.
export function checkNumber(input) {
  const max = engine.limits[input.dataset.limit];
  const text = input.value.trim();
  if (!/^\d+$/.test(text)) {
    return { error: `${fieldName(input)} must be a whole number from 0 to ${max}` };
  }
  const value = Number(text);
  if (value > max) {
    return { error: `${fieldName(input)} is above its maximum ${max}` };
  }
  return { value };
}

// The request of the form, or null when a box is bad (each bad box then says why, and the
// first has the focus).
export function readForm() {
  const request = { types: {} };
  let good = true;
  for (const input of numberFields()) {
    const { value, error } = checkNumber(input);
    showFieldError(input, error);
    good &&= !error;
    if (input.dataset.limit === 'type') {
      request.types[input.name] = value;
    } else {
      request[input.name] = value;
    }
  }
  const separator = $('separator').value;
  const problem = engine.separatorProblem(separator);
  showFieldError($('separator'), problem && `The separator ${problem}`);
  good &&= !problem;
  request.title = $('title').value;
  request.separator = separator;
  request.rates = $('rates').value;
  if (!good) {
    document.querySelector('#request [aria-invalid="true"]').focus();
  }
  return good ? request : null;
}

export function fillForm(request) {
  setLair(true);
  for (const letter of LETTERS) {
    typeField(letter).value = String(request.types?.[letter] ?? 0);
  }
  for (const name of CUSTOM) {
    $(name).value = String(request[name] ?? 0);
  }
  $('title').value = request.title ?? '';
  $('seed').value = String(request.seed ?? engine.limits.defaultSeed);
  $('separator').value = request.separator ?? ',';
  $('rates').value = request.rates ?? RATES[0];
}
