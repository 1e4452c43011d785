// Message and input boxes as modal dialogs. The program's handler waits for the answer.

// The buttons of a message box by the program's button set (the low four bits), each with the
// code the program reads: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No.
const BUTTON_SETS = {
  0: [['OK', 1]],
  1: [['OK', 1], ['Cancel', 2]],
  2: [['Abort', 3], ['Retry', 4], ['Ignore', 5]],
  3: [['Yes', 6], ['No', 7], ['Cancel', 2]],
  4: [['Yes', 6], ['No', 7]],
  5: [['Retry', 4], ['Cancel', 2]],
};

const box = () => document.getElementById('box');

function show(title, prompt, buttons, withInput, defaultText) {
  const dialog = box();
  document.getElementById('box-title').textContent = title;
  document.getElementById('box-prompt').textContent = prompt;
  const input = document.getElementById('box-input');
  input.hidden = !withInput;
  input.value = defaultText || '';
  const row = document.getElementById('box-buttons');
  row.replaceChildren();
  return new Promise((resolve) => {
    const finish = (code) => {
      dialog.close();
      resolve(code);
    };
    for (const [caption, code] of buttons) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.dataset.code = String(code);
      button.addEventListener('click', () => finish(code));
      row.append(button);
    }
    // Escape is the box's Cancel (or its only button); Enter its first button.
    dialog.oncancel = (event) => {
      event.preventDefault();
      const cancel = buttons.find(([, code]) => code === 2) || buttons[buttons.length - 1];
      finish(cancel[1]);
    };
    input.onkeydown = (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        finish(buttons[0][1]);
      }
    };
    dialog.showModal();
    (withInput ? input : row.firstElementChild).focus();
    if (withInput) input.select();
  });
}

export async function messageBox(title, prompt, buttons) {
  return show(title, prompt, BUTTON_SETS[buttons & 0x0f] || BUTTON_SETS[0], false, '');
}

// The text entered, or null when the box was cancelled.
export async function inputBox(title, prompt, defaultText) {
  const input = document.getElementById('box-input');
  const code = await show(title, prompt, BUTTON_SETS[1], true, defaultText);
  return code === 1 ? input.value : null;
}
