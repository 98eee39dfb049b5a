// Small helpers of the page's modules: elements by id and what the form's fields are.

export const $ = (id) => document.getElementById(id);

// The custom amounts of the form, by their names in the link and the request.
export const CUSTOM = ['coins', 'gems', 'jewelry', 'magic'];

export const HEADINGS = Object.freeze({ dm: "DM's List", players: "Player's List" });

// The lines of `lines` as the items of `element`, each item a line.
export function fillItems(element, lines) {
  element.replaceChildren(...lines.map((line) => {
    const item = document.createElement('li');
    item.textContent = line;
    return item;
  }));
}
